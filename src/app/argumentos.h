#pragma once

#include <QString>
#include <QStringList>

#include <climits>
#include <map>
#include <optional>
#include <vector>

namespace bolvera {

// bolvera-cli's own reading of its command line: Spanish messages, negative
// numbers taken as arguments, and an option's value never taken from the
// option that follows it.
namespace argumentos {

struct Opcion
{
    enum class Tipo { Texto, Fecha, Positivo }; // Fecha: AAAA-MM-DD; Positivo: a whole number from 1 on
    QString nombre;         // without the dashes
    QString valor;          // the value's name in the help; empty for a switch
    QStringList permitidos; // the only values it takes, when there is such a list
    bool vacio = false;     // an empty value ("--nota=") means something
    Tipo tipo = Tipo::Texto;
};

struct Linea
{
    std::map<QString, QString> opciones; // those given, the last value of each (a switch has "")
    QStringList posicionales;
    QString error; // empty when the line reads well
};

// `--name`, `--name=value`, `--name value`, `-h` for `--help`, and `--`
// after which everything is an argument.
Linea lee(const QStringList& argumentos, const std::vector<Opcion>& opciones);

// The message for an option given a value of another kind (a date that is
// none), else nothing.
std::optional<QString> compruebaValores(const Linea& linea, const std::vector<Opcion>& opciones);

// What a command's argument holds, checked before the command runs.
struct Argumento
{
    enum class Tipo { Texto, Entero, Importe, ImportePositivo }; // ImportePositivo: above 0,00 €, in whole cents
    enum class Cuantos { Uno, Opcional, Varios }; // Opcional and Varios only last
    QString nombre; // as the help shows it
    Tipo tipo = Tipo::Texto;
    Cuantos cuantos = Cuantos::Uno;
    int minimo = INT_MIN; // the range of an Entero
    int maximo = INT_MAX;
};

// The message for arguments that do not fit `forma`, else nothing.
std::optional<QString> compruebaPosicionales(const QStringList& dados, const std::vector<Argumento>& forma);
// How `forma` reads in a usage line: `R [EUROS] "1 2 3 4 5 + 1 2"...`.
QString textoForma(const std::vector<Argumento>& forma);

} // namespace argumentos

} // namespace bolvera
