#pragma once

#include "core/store/regpena.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace bolvera {

// The people of each peña: its members, their shares and what each paid,
// kept in socios.json beside the peñas. A peña is known by its name, its
// creation day and its shape, never by its record number, so its members
// stay with it when another peña is deleted and the records move up; twins
// (the same bets played twice) by their order among them too.
namespace socios {

struct Pago
{
    QDate fecha;
    std::int64_t centimos = 0; // negative for a correction: entries are never edited
};

struct Socio
{
    QString nombre;
    int participaciones = 1;
    QString nota; // a phone or an e-mail
    std::vector<Pago> pagos;
};

struct Clave
{
    QString nombre; // trimmed
    double creacion = 0;
    int tipo = 0;
    int gemela = 0; // how many peñas before it in the file have the three above
    bool operator==(const Clave&) const = default;
};
// The key of peña `i` (from 0) of `penas`, the whole peña file in its order.
Clave claveDe(const std::vector<RegPena>& penas, std::size_t i);

struct Grupo
{
    Clave pena;
    std::vector<Socio> socios;
    QDate ultimoResumen; // the last day the last summary handed out covered
};

struct Lectura
{
    std::vector<Grupo> grupos;
    std::optional<QString> error; // a damaged file: nothing was read from it
};

// No file is no members; a file that is not ours is an error, and is kept.
Lectura lee(const QString& ruta);
Lectura leeTexto(const QByteArray& texto);
QByteArray texto(const std::vector<Grupo>& grupos);
// Whole or not at all. Returns an error number (errores.h), 0 on success.
[[nodiscard]] int guarda(const QString& ruta, const std::vector<Grupo>& grupos);

// Whether two members' names are the same one: regardless of case and of how
// the accents were typed (Unicode normalisation), as the user reads them.
bool mismoNombre(const QString& a, const QString& b);

// The members' rules, the same from the window and the terminal. Each
// operation changes `lista`, one peña's members, or leaves it as it was and
// says why.
enum class Motivo
{
    SinNombre,          // a member has a name
    NombreRepetido,     // no two members of a peña share it, whatever its case or accents
    SinParticipaciones, // shares from 1 on
    ImporteNoValido,    // more than nothing, no more than any prize, in whole cents
};
using Resultado = std::optional<Motivo>;

// Where the member named `nombre` is in `lista`, if there.
std::optional<std::size_t> busca(const std::vector<Socio>& lista, const QString& nombre);
// Whether `nombre` (trimmed) may name member `i` of `lista`, or a new one.
Resultado nombreValido(const std::vector<Socio>& lista, const QString& nombre, std::optional<std::size_t> i = {});
bool importeValido(std::int64_t centimos);
// A new member at the end, with the payments it brings.
Resultado anade(std::vector<Socio>& lista, Socio socio);
// Member `i`'s name, shares and note from `datos`; its payments stay.
Resultado cambia(std::vector<Socio>& lista, std::size_t i, const Socio& datos);
// A payment of `pago.centimos` (more than nothing); a correction takes that
// much back, as one more entry: entries are never edited.
Resultado paga(std::vector<Socio>& lista, std::size_t i, Pago pago, bool correccion);
void quita(std::vector<Socio>& lista, std::size_t i);

// The members of the peña of key `pena` (empty when it has none).
std::vector<Socio> de(const std::vector<Grupo>& grupos, const Clave& pena);
// Sets the members of `pena`; an empty list removes its group, unless a
// summary was handed out.
void pon(std::vector<Grupo>& grupos, const Clave& pena, std::vector<Socio> socios);
// Where the next summary starts by default: the day after the last one
// handed out, or invalid (from the peña's creation).
QDate siguienteResumen(const std::vector<Grupo>& grupos, const Clave& pena);
void anotaResumen(std::vector<Grupo>& grupos, const Clave& pena, QDate hasta);

// After peña `borrada` (from 0) of `penas` (the file before the deletion) was
// deleted: its members leave socios.json, kept in socios.bak first when
// `copia`, and its later twins move up one place. Returns an error number,
// 0 on success.
[[nodiscard]] int apartaDe(const QString& ruta, const std::vector<RegPena>& penas, std::size_t borrada, bool copia);

// The members deletions kept in socios.bak, a group per deleted peña, oldest
// first; no file is none.
Lectura apartados(const QString& ruta);
// Brings the members of group `i` of socios.bak back, into peña `destino` of
// socios.json: those whose name the peña already has stay in the copy. The
// members file is written before the copy: a crash keeps them twice, never
// nowhere. Returns an error number, 0 on success; `traidos`, how many came.
[[nodiscard]] int recupera(const QString& ruta, std::size_t i, const Clave& destino, int& traidos);

} // namespace socios

} // namespace bolvera
