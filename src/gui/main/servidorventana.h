#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

namespace bolvera {

class Principal;

// The window's local channel (one a data folder): a second start asks to
// bring the window up ("muestra"), and the scheduled update asks the window
// that holds the folder to update ("actualiza") and hears how it ended.
class ServidorVentana final : public QObject
{
public:
    // `ventana` is the main window, or null while the splash is up.
    ServidorVentana(const QString& ruta, std::function<Principal*()> ventana, QObject* padre = nullptr);
    bool escucha();

private:
    void atiende(class QLocalSocket* otro);

    QString m_canal;
    std::function<Principal*()> m_ventana;
    QLocalServer m_servidor;
};

} // namespace bolvera
