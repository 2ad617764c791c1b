#include "core/checking/celdas.h"

#include "core/store/categorias.h"
#include "core/checking/euros.h"
#include "core/checking/formas.h"
#include "core/store/fechas.h"

#include <algorithm>
#include <array>

namespace bolvera {

namespace {

Celda coloreada(QString texto, std::uint32_t color) { return {std::move(texto), color, true, false}; }

Celda comentario(const Fila& fila, Lista lista, const Instantanea& datos)
{
    const RegSorteo& s = datos.sorteos[fila.sorteo];
    const RegPena& p = datos.penas[fila.pena];
    switch (fila.clase) {
    case ClaseFila::Separador:
        return {};
    case ClaseFila::Nombre:
        return coloreada(QStringLiteral("PEÑA ") + p.nombre, categorias::granate);
    case ClaseFila::Fecha:
        return coloreada(fechas::fechacorta(s.fecha) + u' ' + fechas::diasemana(s.fecha),
                         categorias::verdeOscuro);
    case ClaseFila::Apuesta:
    case ClaseFila::Linea:
        break;
    }
    if (fila.categoria == 0)
        return {};
    static const auto comentarios = [] {
        std::array<QString, categorias::total + 1> t;
        for (int i = 1; i <= categorias::total; ++i)
            t[static_cast<std::size_t>(i)] = categorias::comentario(i);
        return t;
    }();
    const std::uint32_t color = categorias::de(fila.categoria).color;
    Celda c = coloreada(lista == Lista::Sencillas
                            ? comentarios.at(static_cast<std::size_t>(fila.categoria))
                            : categorias::comentarioMultiple(fila.categoria, fila.cuenta),
                        color);
    // The amount when it is known; an unknown one is never shown as 0 €.
    if (const auto premio = datos.premios.find(s.fecha); premio != datos.premios.end()) {
        const std::int64_t unidad = premio->second.centimos[static_cast<std::size_t>(fila.categoria - 1)];
        if (unidad >= 0) {
            c.centimos = unidad * (lista == Lista::Sencillas ? 1 : fila.cuenta);
            c.texto += u' ' + euros::texto(c.centimos);
        }
    }
    return c;
}

// The texts of the usual values made once: a full-history check shows
// millions of cells, and shared strings cost no allocation.
QString texto(std::int16_t n)
{
    static const auto tabla = [] {
        std::array<QString, 100> t;
        for (int i = 0; i < 100; ++i)
            t[static_cast<std::size_t>(i)] = QString::number(i);
        return t;
    }();
    return n >= 0 && n < 100 ? tabla[static_cast<std::size_t>(n)] : QString::number(n);
}

Celda numero(std::int16_t n, const RegSorteo& s)
{
    return celdaNumero(n, std::find(s.num.begin(), s.num.begin() + 5, n) != s.num.begin() + 5);
}

Celda estrella(std::int16_t e, const RegSorteo& s) { return celdaEstrella(e, e == s.num[5] || e == s.num[6]); }

} // namespace

Celda celdaNumero(std::int16_t n, bool acierto)
{
    return acierto ? coloreada(texto(n), categorias::rojo) : Celda{texto(n)};
}

Celda celdaEstrella(std::int16_t e, bool acierto)
{
    return coloreada(texto(e), acierto ? categorias::rojo : categorias::gris);
}

int columnas(Lista lista) { return lista == Lista::Sencillas ? 9 : 17; }

Celda celda(Lista lista, const Fila& fila, int columna, const Instantanea& datos)
{
    const int ultima = columnas(lista) - 1;
    if (columna == ultima)
        return comentario(fila, lista, datos);
    if (columna == 0 || fila.clase != ClaseFila::Apuesta)
        return {};

    const RegSorteo& s = datos.sorteos[fila.sorteo];
    const RegPena& p = datos.penas[fila.pena];
    const auto f = forma(p.tipo);
    if (!f)
        return {};
    const int huecosNumero = lista == Lista::Sencillas ? 5 : 10;
    if (columna <= huecosNumero) {
        const int i = columna - 1;
        return i < f->numeros ? numero(p.numeros[fila.apuesta][i], s) : Celda{};
    }
    const int j = columna - 1 - huecosNumero;
    return j < f->estrellas ? estrella(p.estrellas[fila.apuesta][j], s) : Celda{};
}

QString frase(Lista lista, const Fila& fila, const Instantanea& datos)
{
    if (fila.clase == ClaseFila::Separador)
        return {};
    const RegSorteo& s = datos.sorteos[fila.sorteo];
    const QString pena = QStringLiteral("Peña ") + datos.penas[fila.pena].nombre.trimmed();
    const QString dia = fechas::fechacorta(s.fecha) + u' ' + fechas::diasemana(s.fecha);
    if (fila.clase == ClaseFila::Nombre)
        return pena;
    if (fila.clase == ClaseFila::Fecha)
        return QStringLiteral("Sorteo del ") + dia;

    QStringList partes{pena, dia};
    if (fila.clase == ClaseFila::Apuesta) {
        QStringList numeros, estrellas, aciertos;
        const int huecosNumero = lista == Lista::Sencillas ? 5 : 10;
        for (int columna = 1; columna < columnas(lista) - 1; ++columna) {
            const Celda c = celda(lista, fila, columna, datos);
            if (c.texto.isEmpty())
                continue;
            const bool esEstrella = columna > huecosNumero;
            (esEstrella ? estrellas : numeros) << c.texto;
            if (c.conColor && c.color == categorias::rojo)
                aciertos << (esEstrella ? QStringLiteral("estrella ") : QString()) + c.texto;
        }
        partes << QStringLiteral("apuesta %1 estrellas %2").arg(numeros.join(u' '), estrellas.join(u' '));
        partes << (aciertos.isEmpty() ? QStringLiteral("sin aciertos") : QStringLiteral("acierta ") + aciertos.join(u' '));
    }
    if (fila.categoria != 0) {
        const categorias::Categoria& c = categorias::de(fila.categoria);
        QString premio = lista == Lista::Sencillas
                             ? QStringLiteral("%1 + %2 %3").arg(c.h).arg(c.k).arg(c.k == 1 ? u"estrella" : u"estrellas")
                             : QStringLiteral("%1 apuestas de %2 + %3").arg(fila.cuenta).arg(c.h).arg(c.k);
        if (const std::int64_t centimos = comentario(fila, lista, datos).centimos; centimos >= 0)
            premio += QStringLiteral(", ") + euros::texto(centimos);
        partes << premio;
    }
    return partes.join(QStringLiteral(", "));
}

} // namespace bolvera
