#include "core/create/editorpena.h"

#include "core/checking/formas.h"
#include "core/store/texto1252.h"

#include <QStringList>
#include <QStringTokenizer>

#include <algorithm>
#include <set>

namespace bolvera {

namespace {

const QString maxSencillas = QStringLiteral("Máximo de apuestas sencillas por peña : 24.");
const QString maxMultiples = QStringLiteral(
    "¡¡ Oficialmente sólo se admite una combinación por boleto cuando juegas a múltiples !! ");

MensajeEditor info(const QString& texto) { return {false, texto}; }
MensajeEditor error(const QString& texto) { return {true, texto}; }

} // namespace

EditorPena::EditorPena(int modoApuesta) : m_modo(modoApuesta)
{
    carga();
}

void EditorPena::carga()
{
    m_aleatorio = true;
    // leemodo
    // 0 is simple bets; a multiple code reads through the one decoder.
    const auto f = forma(m_modo == 0 ? 1 : m_modo);
    m_n = f ? f->numeros : 5;
    m_s = f ? f->estrellas : 2;
    m_apuestas = 0;
    m_lista.clear();
    m_grabar = false;
    m_etiqueta = 1;
    m_nombre.clear();
    m_borrar = false;
    m_conLineas = false;
}

void EditorPena::activa()
{
    // The counts follow what the slip and the list show, so that a bet can
    // never take more than n numbers and s stars.
    m_conLineas = !m_lista.isEmpty();
    m_marcados = static_cast<int>(std::count(m_marcas.begin(), m_marcas.end(), true));
    m_nombreFalta = false;
}

QString EditorPena::textoAvisoEstrellas() const
{
    return QStringLiteral("MARQUE %1 ESTRELLAS").arg(m_s);
}

QString EditorPena::instrucciones() const
{
    return QStringLiteral("INTRODUZCA EL NOMBRE, %1 NÚMEROS Y %2 ESTRELLAS:").arg(m_n).arg(m_s);
}

void EditorPena::marca(int celda, bool marcada)
{
    m_marcas[static_cast<std::size_t>(celda)] = marcada;
    m_marcados += marcada ? 1 : -1;
}

std::optional<MensajeEditor> EditorPena::pulsa(int celda)
{
    if (celda < 0 || celda >= celdas)
        return std::nullopt;
    const bool esNumero = celda < 50;
    if (!faseEstrellas()) {
        if (!esNumero)
            return std::nullopt;
        if (m_nombreFalta)
            return info(QStringLiteral("Sólo tienes que poner un nombre. No puedes añadir más números."));
        if (m_apuestas == maxApuestas())
            return info(m_modo != 0 ? maxMultiples : maxSencillas);
        // Once the n-th number is marked the numbers are locked until the
        // bet is recorded: a bet always holds exactly n numbers.
        if (m_transicion)
            return std::nullopt;
        if (m_marcados != m_n)
            marca(celda, !marcada(celda));
        else if (marcada(celda))
            marca(celda, false);
        if (m_marcados == m_n) {
            m_transicion = true;
            m_aleatorio = false;
            m_numerosCompletos = m_marcados;
        }
        return std::nullopt;
    }
    if (esNumero)
        return std::nullopt;
    const int objetivo = m_s + m_numerosCompletos;
    if (m_marcados != objetivo)
        marca(celda, !marcada(celda));
    else if (marcada(celda))
        marca(celda, false);
    if (m_marcados == objetivo)
        anota();
    return std::nullopt;
}

void EditorPena::tic()
{
    if (!m_transicion)
        return;
    m_alto += 30;
    if (m_alto > 105)
        m_alto += 30;
    if (m_alto >= 263) {
        m_alto = 263;
        m_prompt = true;
        m_tapa = false;
        m_transicion = false;
        m_aleatorio = true;
    }
}

void EditorPena::marcaApuesta(const std::vector<int>& numeros, const std::vector<int>& estrellas)
{
    for (int n : numeros)
        pulsa(n - 1);
    while (m_transicion)
        tic();
    for (int e : estrellas)
        pulsa(49 + e);
}

std::optional<MensajeEditor> EditorPena::aleatorio(const std::function<int(int)>& azar)
{
    m_aleatorio = false;
    if (m_tapa && !faseEstrellas()) {
        for (int c = 0; c < 50; ++c)
            m_marcas[static_cast<std::size_t>(c)] = false;
        m_marcados = 0;
        m_transicion = false;
        if (m_apuestas >= maxApuestas())
            return info(m_modo != 0 ? maxMultiples : maxSencillas);
        std::set<int> sacados;
        while (static_cast<int>(sacados.size()) < m_n) {
            const int r = azar(50);
            if (sacados.insert(r).second)
                pulsa(r);
        }
        return std::nullopt;
    }
    if (m_transicion)
        return std::nullopt; // the stars are not open yet
    for (int c = 50; c < celdas; ++c)
        m_marcas[static_cast<std::size_t>(c)] = false;
    m_marcados = m_numerosCompletos;
    std::set<int> sacados;
    while (static_cast<int>(sacados.size()) < m_s) {
        const int r = azar(12);
        if (sacados.insert(r).second)
            pulsa(50 + r);
    }
    return std::nullopt;
}

void EditorPena::anota()
{
    ++m_apuestas;
    m_borrar = true;
    const std::size_t b = static_cast<std::size_t>(m_apuestas - 1);
    auto recoge = [&](int desde, int hasta, int cuantos, auto& huecos) {
        QString texto;
        int k = 0;
        for (int c = desde; c < hasta; ++c) {
            if (!m_marcas[static_cast<std::size_t>(c)])
                continue;
            m_marcas[static_cast<std::size_t>(c)] = false;
            const int valor = c - desde + 1;
            huecos[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(valor);
            ++k;
            texto += (valor < 10 ? QStringLiteral(" ") : QString()) + QString::number(valor);
            if (k != cuantos)
                texto += u'-';
        }
        return texto;
    };
    const QString textoNumeros = recoge(0, 50, m_n, m_registro.numeros[b]);
    QString textoEstrellas = recoge(50, celdas, m_s, m_registro.estrellas[b]);

    m_marcados = 0;
    m_alto = 6;
    m_prompt = false;
    m_tapa = true;
    m_transicion = false;

    if (m_conLineas)
        m_lista += u'\n';
    textoEstrellas = textoEstrellas.leftJustified(6, u' ');
    m_lista += m_n == 5 ? textoNumeros + QStringLiteral(" Estrellas: ") + textoEstrellas
                        : textoNumeros + QStringLiteral("\n Estrellas: ") + textoEstrellas;
    m_conLineas = true;
    m_etiqueta = m_apuestas + 1;
    m_grabar = true;
    m_aleatorio = true;
}

std::vector<Tramo> EditorPena::colorea() const
{
    std::vector<Tramo> tramos;
    for (qsizetype i = m_lista.indexOf(u'E'); i >= 0; i = m_lista.indexOf(u'E', i + 1))
        tramos.push_back({static_cast<int>(i), 9, 0xFF0000});
    for (qsizetype i = m_lista.indexOf(u':'); i >= 0; i = m_lista.indexOf(u':', i + 1))
        tramos.push_back({static_cast<int>(i) + 1, m_n == 5 ? 6 : 12, 0x00C000});
    return tramos;
}

void EditorPena::borra()
{
    if (m_apuestas == 0)
        return;
    --m_apuestas;
    if (m_apuestas == 0) {
        m_borrar = false;
        m_conLineas = false;
    }
    if (m_n > 5 || m_apuestas == 0)
        m_lista.clear();
    else
        m_lista.chop(33);
    m_etiqueta = m_apuestas + 1;
    if (m_apuestas == 0) {
        m_grabar = false;
        m_etiqueta = 1;
    }
    m_aleatorio = true;
}

QString EditorPena::filtraNombre(const QString& texto)
{
    QString limpio;
    for (const QChar c : texto.toUpper())
        if (texto1252::representable(c) && c.unicode() >= 32)
            limpio += c;
    return limpio;
}

std::optional<MensajeEditor> EditorPena::ponNombre(const QString& texto)
{
    m_nombre = filtraNombre(texto);
    if (m_nombre.size() > RegPena::largoNombre) {
        m_nombre = QStringLiteral("AYYYYYY!!");
        return error(QStringLiteral("¡¡¡El nombre no puede tener más de 20 letras!!!"));
    }
    // A letter the file cannot store is dropped; the user is told, once.
    if (m_nombre.size() < texto.toUpper().size() && !m_letraAvisada) {
        m_letraAvisada = true;
        return error(QStringLiteral("Letra no admitida"));
    }
    return std::nullopt;
}

EditorPena::Grabacion EditorPena::grabar(double primeraCreacion, double ultimoSorteo, double hoy,
                                         const QString& dia)
{
    Grabacion g;
    m_nombreFalta = false;
    if (m_apuestas == 0)
        return g;
    if (primeraCreacion > hoy) {
        g.mensaje = error(QStringLiteral("¡¡¡No puede crear una peña con fecha anterior a una ya "
                                         "existente!!!. Borre dicha peña antes de crear ésta."));
        return g;
    }
    if (ultimoSorteo > hoy) {
        g.mensaje = error(QStringLiteral(
            "Hay sorteos con fecha posterior a la de la peña que intenta crear. Revise la fecha de su "
            "ordenador. ¡No se puede crear una peña con fecha anterior a la del último sorteo!"));
        return g;
    }
    if (m_nombre.isEmpty()) {
        m_nombreFalta = true;
        m_borrar = false;
        m_aleatorio = false;
        g.mensaje = error(QStringLiteral("¡¡¡No ha escrito el nombre de la peña!!!"));
        return g;
    }
    g.grabar = true;
    g.registro = m_registro;
    g.registro.nombre = m_nombre;
    g.registro.dia = dia;
    g.registro.tipo = static_cast<std::int16_t>(m_modo != 0 ? m_modo : m_apuestas);
    return g;
}

std::optional<QString> compruebaApuestas(
    const std::vector<std::pair<std::vector<int>, std::vector<int>>>& apuestas, int& tipo)
{
    if (apuestas.empty())
        return QStringLiteral("Falta al menos una apuesta.");
    if (apuestas.size() > 24)
        return QStringLiteral("Máximo de apuestas sencillas por peña : 24.");
    for (const auto& [numeros, estrellas] : apuestas) {
        for (int n : numeros)
            if (n < 1 || n > 50)
                return QStringLiteral("Los números van del 1 al 50.");
        for (int e : estrellas)
            if (e < 1 || e > 12)
                return QStringLiteral("Las estrellas van del 1 al 12.");
        if (std::set<int>(numeros.begin(), numeros.end()).size() != numeros.size() ||
            std::set<int>(estrellas.begin(), estrellas.end()).size() != estrellas.size())
            return QStringLiteral("Una apuesta no puede repetir números ni estrellas.");
    }
    const auto& [n, s] = apuestas.front();
    const bool sencilla = n.size() == 5 && s.size() == 2;
    if (!sencilla) {
        const int codigo = codigoMultiple(static_cast<int>(n.size()), static_cast<int>(s.size()));
        if (apuestas.size() != 1 || !forma(codigo))
            return QStringLiteral("Una apuesta múltiple va sola, con 5 a 10 números y 2 a 5 estrellas.");
        tipo = codigo;
        return std::nullopt;
    }
    for (const auto& [numeros, estrellas] : apuestas)
        if (numeros.size() != 5 || estrellas.size() != 2)
            return QStringLiteral("Cada apuesta sencilla lleva 5 números y 2 estrellas.");
    tipo = static_cast<int>(apuestas.size());
    return std::nullopt;
}

std::optional<std::pair<std::vector<int>, std::vector<int>>> leeApuesta(QStringView texto)
{
    // Cut on views: this reads every line a user or a script types.
    const QStringView t = texto;
    const qsizetype mas = t.indexOf(u'+');
    if (mas < 0 || t.indexOf(u'+', mas + 1) >= 0)
        return std::nullopt;
    std::pair<std::vector<int>, std::vector<int>> apuesta;
    for (int i = 0; i < 2; ++i) {
        for (const QStringView trozo : QStringTokenizer(i == 0 ? t.first(mas) : t.sliced(mas + 1), u' ', Qt::SkipEmptyParts)) {
            bool ok = false;
            const int n = trozo.toInt(&ok);
            if (!ok)
                return std::nullopt;
            (i == 0 ? apuesta.first : apuesta.second).push_back(n);
        }
    }
    return apuesta;
}

} // namespace bolvera
