#pragma once

#include <QDir>
#include <QProcess>
#include <QString>

#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace bolvera;

// Root writes read-only files, so a permission failure only shows without its
// rights: these run code as user "nobody" when the tests run as root.
namespace sinprivilegios {

constexpr uid_t nadie = 65534;

inline void baja()
{
    if (::getuid() != 0)
        return;
    if (::setgroups(0, nullptr) != 0 || ::setgid(nadie) != 0 || ::setuid(nadie) != 0)
        ::_exit(126);
}

// Runs `f` in a child process without root's rights; its result (0–255), or -1.
inline int ejecuta(const std::function<int()>& f)
{
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        baja();
        ::_exit(f());
    }
    int estado = 0;
    if (hijo < 0 || ::waitpid(hijo, &estado, 0) != hijo || !WIFEXITED(estado))
        return -1;
    return WEXITSTATUS(estado);
}

// The same for a program.
inline void prepara(QProcess& proceso) { proceso.setChildProcessModifier(baja); }

// Hands a folder and what it holds to that user (nothing to do when not root).
inline void cede(const QString& carpeta)
{
    if (::getuid() != 0)
        return;
    QStringList rutas = {carpeta};
    for (const QString& nombre : QDir(carpeta).entryList(QDir::Files | QDir::Hidden))
        rutas << QDir(carpeta).filePath(nombre);
    for (const QString& r : rutas)
        if (::chown(QFile::encodeName(r).constData(), nadie, nadie) != 0)
            return;
}

} // namespace sinprivilegios
