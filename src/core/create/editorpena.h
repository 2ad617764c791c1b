#pragma once

#include "core/store/regpena.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace bolvera {

// A message box the editor asks for: always titled "Error".
struct MensajeEditor
{
    bool exclamacion; // false: the information icon
    QString texto;
};

// A coloured stretch of the bet list.
struct Tramo
{
    int inicio; // 0-based
    int largo;
    std::uint32_t color; // 0xRRGGBB, bold
};

// The peña editor and its betting slip: the bets marked cell by cell, the
// list of recorded bets, the record being built. The windows draw it and
// forward clicks; every rule lives here.
class EditorPena
{
public:
    static constexpr int celdas = 62; // 0–49 numbers 1–50, 50–61 stars 1–12

    // `modoApuesta`: 0 simple bets, else 100 + 10·n + s.
    explicit EditorPena(int modoApuesta);

    void carga();  // the window opens: empty editor, same mode; the slip is left as it is
    void activa(); // the window is activated

    int modo() const { return m_modo; }
    int numeros() const { return m_n; }
    int estrellas() const { return m_s; }
    int maxApuestas() const { return m_modo == 0 ? 24 : 1; }
    int apuestas() const { return m_apuestas; }

    // The slip.
    bool marcada(int celda) const { return m_marcas[static_cast<std::size_t>(celda)]; }
    int marcadas() const { return m_marcados; }
    int altoBarra() const { return m_alto; } // Shape3, the phase indicator
    bool faseEstrellas() const { return m_alto >= 110; }
    bool transicion() const { return m_transicion; } // Timer1 running
    bool tapaVisible() const { return m_tapa; }      // Shape4 and Label6 over the stars
    bool avisoEstrellas() const { return m_prompt; } // Label5
    QString textoAvisoEstrellas() const;

    std::optional<MensajeEditor> pulsa(int celda); // a click on a cell
    void tic();                                    // a step of the phase bar
    // Marks a whole bet as a user would: its numbers, the transition, its stars.
    void marcaApuesta(const std::vector<int>& numeros, const std::vector<int>& estrellas);
    // "Aleatorio"; `azar(k)` gives a uniform integer in [0, k).
    std::optional<MensajeEditor> aleatorio(const std::function<int(int)>& azar);

    // The bet list and the buttons.
    const QString& lista() const { return m_lista; }
    std::vector<Tramo> colorea() const;
    QString numeroApuesta() const { return QString::number(m_etiqueta); } // Label3
    QString instrucciones() const;                                          // Label4
    bool grabarActivo() const { return m_grabar; }
    bool borrarActivo() const { return m_borrar; }
    bool aleatorioActivo() const { return m_aleatorio; }
    void borra(); // "Borrar"

    // The name: upper case, only characters the file can store; more than
    // 20 gives the message and "AYYYYYY!!".
    std::optional<MensajeEditor> ponNombre(const QString& texto);
    const QString& nombre() const { return m_nombre; }
    static QString filtraNombre(const QString& texto);

    // "Grabar": the checks in order; nothing (no bet), a message, or the
    // record ready for `anadePena`. `primeraCreacion` is peña record 1's
    // date (0 without peñas), `ultimoSorteo` the newest draw's (0 for none).
    struct Grabacion
    {
        bool grabar = false;
        std::optional<MensajeEditor> mensaje;
        RegPena registro;
    };
    Grabacion grabar(double primeraCreacion, double ultimoSorteo, double hoy, const QString& dia);

private:
    void anota();
    void marca(int celda, bool marcada);

    int m_modo;
    int m_n = 5;
    int m_s = 2;
    int m_apuestas = 0;
    int m_marcados = 0;
    int m_numerosCompletos = 0;
    bool m_nombreFalta = false;
    bool m_conLineas = false;
    RegPena m_registro;

    std::array<bool, celdas> m_marcas{};
    int m_alto = 90;
    bool m_transicion = false;
    bool m_tapa = true;
    bool m_prompt = false;

    QString m_lista;
    QString m_nombre;
    int m_etiqueta = 1;
    bool m_grabar = false;
    bool m_borrar = false;
    bool m_aleatorio = true;
    bool m_letraAvisada = false;
};

// A bet written "n1 n2 n3 n4 n5 + e1 e2": its numbers and its stars; nothing
// when it does not read as whole numbers around one "+".
std::optional<std::pair<std::vector<int>, std::vector<int>>> leeApuesta(QStringView texto);

// Checks a peña given outside the editor (bolvera-cli): the bets as numbers
// then stars. A message, or nothing when it can be saved.
std::optional<QString> compruebaApuestas(const std::vector<std::pair<std::vector<int>, std::vector<int>>>& apuestas,
                                         int& tipo);

} // namespace bolvera
