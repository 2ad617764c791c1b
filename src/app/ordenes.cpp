#include "app/ordenes.h"

#include "core/checking/comprobacion.h"
#include "core/store/errores.h"
#include "core/store/listado.h"
#include "core/store/ficheroregistros.h"
#include "core/store/ficheros.h"

#include <QJsonDocument>
#include <QTextStream>

#include <algorithm>

#include <cerrno>
#include <cstring>

namespace bolvera {

namespace ordenes {

QString Contexto::valor(const char* opcion, const QString& siFalta) const
{
    const auto o = opciones.find(QString::fromLatin1(opcion));
    return o == opciones.end() ? siFalta : o->second;
}

QDate Contexto::fecha(const char* opcion) const { return QDate::fromString(valor(opcion), Qt::ISODate); }

int Contexto::numero(const char* opcion) const { return valor(opcion).toInt(); }

int falla(const QString& mensaje)
{
    QTextStream(stderr) << mensaje << '\n';
    return 1;
}

int fallaHistoriaDanada()
{
    return falla(QStringLiteral("Archivo de números ganadores no válido. ¡Se perderán los sorteos grabados!."));
}

int fallaEscritura(const QString& mensaje, int error)
{
    if (error == errores::accesoRuta)
        return falla(QString(errores::textoPermiso).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (const QString propio = errores::texto(error, {}); !propio.isEmpty())
        return falla(mensaje + u' ' + propio);
    return falla(mensaje + QStringLiteral(" Error %1").arg(error));
}

std::optional<int> leeFicheroArgumento(const Contexto& c, const QString& uso, QByteArray& contenido)
{
    if (c.argumentos.size() != 1)
        return fallaUso(uso);
    if (const int error = ficheroregistros::leeEntrada(c.argumentos.front(), contenido)) {
        const QString propio = errores::texto(error, c.argumentos.front());
        return falla(!propio.isEmpty() && error != errores::accesoRuta
                         ? propio
                         : QStringLiteral("No se puede leer %1. Error %2").arg(c.argumentos.front()).arg(error));
    }
    return std::nullopt;
}

QString errorDeSalida(int numero)
{
    if (numero == ENOSPC || numero == EDQUOT)
        return QStringLiteral("no queda espacio en el disco");
    if (numero == EPIPE)
        return QStringLiteral("quien la leía la ha cerrado");
    return QString::fromLocal8Bit(std::strerror(numero));
}

int fallaUso(const QString& mensaje)
{
    falla(mensaje);
    return 2;
}

void imprime(const QJsonObject& objeto)
{
    QTextStream(stdout) << QJsonDocument(objeto).toJson(QJsonDocument::Compact) << '\n';
}

QString paraTerminal(const QString& texto)
{
    const auto control = [](QChar q) { return q.unicode() < 0x20 || (q.unicode() >= 0x7f && q.unicode() < 0xa0); };
    if (std::none_of(texto.begin(), texto.end(), control))
        return texto; // the common case, with no copy
    QString escrito;
    for (const QChar q : texto) {
        if (!control(q))
            escrito += q;
        else if (q == u'\t')
            escrito += QStringLiteral("\\t");
        else if (q == u'\n')
            escrito += QStringLiteral("\\n");
        else if (q == u'\r')
            escrito += QStringLiteral("\\r");
        else
            escrito += QStringLiteral("\\x%1").arg(q.unicode(), 2, 16, QChar(u'0'));
    }
    return escrito;
}

std::optional<int> entero(const QString& texto)
{
    bool ok = false;
    const int valor = texto.toInt(&ok);
    return ok ? std::optional<int>(valor) : std::nullopt;
}

std::vector<RegSorteo> sorteos(const Contexto& c)
{
    return ficheroregistros::leeTodos<RegSorteo>(c.ruta + ficheros::numeros);
}

std::vector<RegPena> penas(const Contexto& c)
{
    return ficheroregistros::leeTodos<RegPena>(c.ruta + ficheros::apuestas);
}

void imprimeSorteos(const std::vector<RegSorteo>& sorteos)
{
    QTextStream salida(stdout);
    for (auto s = sorteos.rbegin(); s != sorteos.rend(); ++s)
        salida << listado::textoNumeros(*s) << "   " << listado::textoEstrellas(*s) << "   "
               << listado::textoFecha(*s) << '\n';
}

int cuentaPremios(const Contexto& c)
{
    const auto guardados = sorteos(c);
    if (guardados.empty() || !listado::calcula(guardados).valido)
        return 0;
    if (const int error = cuentaPendientes(c.ruta))
        return fallaEscritura(QStringLiteral("No se pudieron guardar los aciertos de las peñas."), error);
    return 0;
}

} // namespace ordenes

} // namespace bolvera
