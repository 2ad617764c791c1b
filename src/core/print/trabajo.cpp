#include "core/print/trabajo.h"

#include "core/checking/formas.h"

#include <algorithm>
#include <optional>

namespace bolvera {

namespace {

constexpr double anchoBloque = 26.2;

struct Punto
{
    double x;
    double y;
};

// The box of number k (1–50) and of star j (1–12) in a block whose number 1
// lies at `base`.
Punto casillaNumero(Punto base, int k) { return {base.x + 3.75 * ((k - 1) / 9), base.y + 5 * ((k - 1) % 9)}; }
Punto casillaEstrella(Punto base, int j) { return {base.x + 7.5 * ((j - 1) / 4), base.y + 50 + 5 * ((j - 1) % 4)}; }

class Trabajo
{
public:
    Trabajo(Papel papel, float x, float y) : m_papel(papel), m_x(x), m_y(y) {}

    void texto(double x, double y, const QString& t, double puntos = 11.5)
    {
        m_ops.push_back({Operacion::Tipo::Texto, x, y, 0, 0, t, puntos});
    }
    void marca(Punto p) { texto(p.x, p.y, QStringLiteral("X")); }
    void rectangulo(Operacion::Tipo tipo, double x, double y, double ancho, double alto)
    {
        m_ops.push_back({tipo, x, y, ancho, alto, {}, 11.5});
    }
    // Room for the marks of `boletos` slips at once (a slip: its frame and
    // texts, five bets of up to 15 marks).
    void reserva(int boletos) { m_ops.reserve(static_cast<std::size_t>(std::max(0, boletos)) * 96); }
    void nuevaPagina() { m_ops.push_back({Operacion::Tipo::NuevaPagina, 0, 0, 0, 0, {}, 11.5}); }

    // Where number 1 of block b lies (`situa` plus the plain-paper shift).
    Punto bloque(int b) const
    {
        if (m_papel == Papel::Oficial)
            return {m_x + anchoBloque * (b - 1), m_y};
        return {33 + anchoBloque * (b - 1), 45.0 + m_f};
    }

    // The plain-paper form of slip i (`marco`).
    void marco(int i)
    {
        m_f = i % 2 == 1 ? 0 : 104;
        rectangulo(Operacion::Tipo::Rectangulo, 20, 20 + m_f, 160.5, 104);
        rectangulo(Operacion::Tipo::Relleno, 23.8, m_f + 117.3, 2.5, 3);
        rectangulo(Operacion::Tipo::Relleno, 173.5, m_f + 117.3, 2.5, 3);
        for (double y : {44, 56, 80, 92, 98})
            rectangulo(Operacion::Tipo::Relleno, 22.5, m_f + y, 1, 4);
    }

    int f() const { return m_f; }
    std::vector<Operacion> termina() { return std::move(m_ops); }

private:
    Papel m_papel;
    double m_x;
    double m_y;
    int m_f = 0;
    std::vector<Operacion> m_ops;
};

} // namespace

QString webImpresa() { return QStringLiteral("www.bolvera.es"); }

int boletosNecesarios(const RegPena& pena)
{
    if (pena.tipo > 100)
        return 1;
    return pena.tipo / 5 + (pena.tipo % 5 != 0 ? 1 : 0);
}

std::vector<Operacion> trabajoImpresion(const RegPena& pena, Papel papel, float x, float y,
                                        const std::function<bool()>& dosSemanas)
{
    Trabajo t(papel, x, y);
    const auto forma = formaValida(pena);
    if (!forma)
        return {};
    const int apuestas = forma->multiple ? 1 : forma->apuestas;
    const int boletos = boletosNecesarios(pena);
    t.reserva(boletos);
    const QString nombre = pena.nombreRecortado();
    const QString dia = pena.diaRecortado();
    // Built in one go: a name holding "%1" must print as typed.
    const auto cabecera = [&](int i) {
        return QStringLiteral("PEÑA %1 (%2/%3)").arg(nombre, QString::number(i), QString::number(boletos));
    };
    const bool oficial = papel == Papel::Oficial;
    std::optional<bool> dosSemanasRespuesta;
    int apuesta = 0;

    for (int i = 1; i <= boletos; ++i) {
        if (!oficial)
            t.marco(i);
        for (int b = 1; b <= 5; ++b) {
            if (++apuesta > apuestas)
                continue;
            const Punto base = t.bloque(b);
            const auto& numeros = pena.numeros[static_cast<std::size_t>(apuesta - 1)];
            const auto& estrellas = pena.estrellas[static_cast<std::size_t>(apuesta - 1)];
            for (int k = 0; k < forma->numeros; ++k)
                t.marca(casillaNumero(base, numeros[static_cast<std::size_t>(k)]));
            for (int j = 0; j < forma->estrellas; ++j)
                t.marca(casillaEstrella(base, estrellas[static_cast<std::size_t>(j)]));
        }
        if (oficial && x > 5 && y > 11) {
            const double xPena = nombre.size() <= 9 ? 102 : nombre.size() <= 15 ? 94 : 81;
            t.texto(x + 32, y - 16, webImpresa(), 8);
            t.texto(x + xPena, y - 16, cabecera(i), 8);
        }
        if (!oficial) {
            const int f = t.f();
            t.texto(28, f + 32, cabecera(i));
            t.texto(135, f + 32, QStringLiteral("Participación para:"));
            if (dia == u"Todos")
                t.texto(133, f + 36, QStringLiteral("MARTES Y VIERNES"));
            else
                t.texto(142, f + 36, dia.toUpper());
            t.texto(72.5, f + 25, QStringLiteral("BOLVERA V.1.2."), 18);
        }
        if (dia == u"Todos" && !dosSemanasRespuesta)
            dosSemanasRespuesta = dosSemanas();
        const int f = t.f();
        if (dia != u"Todos")
            t.marca(oficial ? Punto{x + 60.0, y + 70.0} : Punto{93.2, f + 115.0});
        else if (!*dosSemanasRespuesta)
            t.marca(oficial ? Punto{x + 97.5, y + 70.0} : Punto{130, f + 115.0});
        else
            t.marca(oficial ? Punto{x + 130.5, y + 70.0} : Punto{164, f + 115.0});
        if (forma->multiple) {
            const Punto base = t.bloque(6);
            if (forma->numeros > 5)
                t.marca(casillaNumero(base, forma->numeros - 3));
            if (forma->estrellas > 2)
                t.marca(casillaEstrella(base, forma->estrellas - 2));
        }
        // Official slips: one a page. Plain paper: two forms a sheet.
        if (i < boletos && (oficial || i % 2 == 0))
            t.nuevaPagina();
    }
    return t.termina();
}

} // namespace bolvera
