#pragma once

#include "core/store/regpena.h"
#include "core/store/regsorteo.h"
#include "core/store/socios.h"

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace bolvera {

// The subcommands of bolvera-cli and what they share.
namespace ordenes {

// What every subcommand of bolvera-cli gets: the folder, the day, the
// arguments after its name and the options given. Each command reads its own
// options by name; their values were checked against their kind before it runs.
struct Contexto
{
    QString ruta; // the data directory, with its separator
    QDate hoy;
    bool json = false;
    QStringList argumentos;              // after the subcommand
    std::map<QString, QString> opciones; // given, without the dashes; a switch holds ""

    bool tiene(const char* opcion) const { return opciones.count(QString::fromLatin1(opcion)) > 0; }
    // The value given, else `siFalta`.
    QString valor(const char* opcion, const QString& siFalta = {}) const;
    QDate fecha(const char* opcion) const; // invalid when not given
    int numero(const char* opcion) const;  // 0 when not given
};

// Why standard output could not be written, in the user's words, from errno.
QString errorDeSalida(int numero);
// A message on stderr; the status to return: 1 for a refused operation,
// 2 for arguments that make no sense.
int falla(const QString& mensaje);
int fallaUso(const QString& mensaje);
// The whole file the only argument names, in `contenido`; else the status to
// return (2 with `uso` for a wrong argument count, 1 for an unreadable file).
std::optional<int> leeFicheroArgumento(const Contexto& c, const QString& uso, QByteArray& contenido);
// A history the draw list rejects: the listing's message, status 1.
int fallaHistoriaDanada();
// A write that failed: the permission message for error 75, else `mensaje`
// with the error number.
int fallaEscritura(const QString& mensaje, int error);
void imprime(const QJsonObject& objeto);
// Text from the data files or the network as a terminal line may show it:
// control characters escaped (\t, \n, \r, \xNN), everything else as it is.
QString paraTerminal(const QString& texto);
// After draws entered the history: the prizes of every draw newer than each
// peña's last counted one go into its counters, as the window does. 0, or
// the status of a failed write.
int cuentaPremios(const Contexto& c);
std::optional<int> entero(const QString& texto);
// After an update that brought `nuevos` draws (the last ones of `sorteos`):
// one desktop notification with them and what each peña won.
void avisa(const Contexto& c, const std::vector<RegSorteo>& sorteos, std::size_t nuevos);
// `actualizar` while the window holds the folder: the window updates and this
// reports it. Nothing when no window answers on its channel.
std::optional<int> actualizarEnLaVentana(const Contexto& c);
std::vector<RegSorteo> sorteos(const Contexto& c);
std::vector<RegPena> penas(const Contexto& c);
// Draws as the terminal lists them, newest first.
void imprimeSorteos(const std::vector<RegSorteo>& sorteos);

// The peña R of the first argument and every peña's members; else empty,
// its message said and its status in `estado`.
struct PenaConSocios
{
    RegPena pena;
    socios::Clave clave; // how socios.json knows it
    std::vector<socios::Grupo> grupos;
};
std::optional<PenaConSocios> eligePena(const Contexto& c, int& estado);

// The subcommands, each returning the exit status.
int estado(const Contexto& c);
int listaSorteos(const Contexto& c);
int frecuencias(const Contexto& c);
int importar(const Contexto& c);
int comprobar(const Contexto& c);
int recontar(const Contexto& c);
int listaPenas(const Contexto& c);
int unaPena(const Contexto& c);
int unDesglose(const Contexto& c);
int actualizar(const Contexto& c);
int listaFuentes(const Contexto& c);
int analizar(const Contexto& c);
int informe(const Contexto& c);
int nuevaPena(const Contexto& c);
// The checks of a line that need no file (run before the folder is touched):
// a status when it makes no sense.
std::optional<int> validaNuevaPena(const Contexto& c);
std::optional<int> validaSocio(const Contexto& c);
std::optional<int> validaCambioSocio(const Contexto& c);
std::optional<int> validaDesglose(const Contexto& c);
int imprimir(const Contexto& c);
int exportarCsv(const Contexto& c);
int importarCsv(const Contexto& c);
int anadirSorteo(const Contexto& c);
int listaHuecos(const Contexto& c);
int importarPremios(const Contexto& c);
int precio(const Contexto& c);
int listaSocios(const Contexto& c);
int anadeSocio(const Contexto& c);
int pagaSocio(const Contexto& c);
int quitaSocio(const Contexto& c);
int cambiaSocio(const Contexto& c);
int resumen(const Contexto& c);

} // namespace ordenes

} // namespace bolvera
