// A desktop notification service of the tests' own: it takes the name on the
// session bus and writes every Notify call as a JSON line to the file given.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QVariantMap>

#include <cstdio>

class Avisos final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit Avisos(QString fichero) : m_fichero(std::move(fichero)) {}

public slots:
    uint Notify(const QString& programa, uint, const QString& icono, const QString& titulo, const QString& cuerpo,
                const QStringList& acciones, const QVariantMap& pistas, int)
    {
        QFile f(m_fichero);
        if (f.open(QIODevice::Append)) {
            const QJsonObject o{{"programa", programa}, {"icono", icono}, {"titulo", titulo}, {"cuerpo", cuerpo},
                                {"acciones", QJsonArray::fromStringList(acciones)},
                                {"desktop-entry", pistas.value("desktop-entry").toString()}};
            f.write(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
        }
        return ++m_ultimo;
    }
    QStringList GetCapabilities() { return {"body", "actions"}; }

private:
    QString m_fichero;
    uint m_ultimo = 0;
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    Avisos avisos(QString::fromLocal8Bit(argv[1]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject("/org/freedesktop/Notifications", &avisos, QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.Notifications"))
        return 1;
    std::puts("listo");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "avisosfalsos.moc"
