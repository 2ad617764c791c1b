// France's draw archive: a page of links to ZIP files, each holding one CSV.
#include "core/update/fuentes.h"

#include "core/store/premios.h"
#include "core/update/fuentescsv.h"
#include "core/update/zip.h"

#include <QRegularExpression>

#include <algorithm>

namespace bolvera {

namespace fuentes {
namespace {

using csv::Fila;
using csv::noDisponible;

// "09/10/2026"; old files write "09/10/26".
QDate fechaFrancesa(const QString& t)
{
    static const QRegularExpression forma(
        QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})$"));
    const auto m = forma.match(t);
    if (!m.hasMatch()) return {};
    const QString anio =
        m.captured(3).size() == 2 ? QStringLiteral("20") + m.captured(3) : m.captured(3);
    return csv::fecha(m.captured(1), m.captured(2), anio);
}

// "-4-9-17-33-48-" as sorted numbers.
std::vector<int> enOrden(const QString& t)
{
    std::vector<int> r;
    for (const QString& n : t.split(u'-', Qt::SkipEmptyParts))
        r.push_back(csv::bola(n).value_or(-1));
    std::sort(r.begin(), r.end());
    return r;
}

// Whether the optional columns of a row agree with its draw: the sorted
// numbers and stars and the weekday, when given.
bool coherente(const Fila& f, const RegSorteo& s, QDate fecha, int bolas, int estrellas, int dia)
{
    static const QStringList dias{QStringLiteral("LUNDI"),    QStringLiteral("MARDI"),
                                  QStringLiteral("MERCREDI"), QStringLiteral("JEUDI"),
                                  QStringLiteral("VENDREDI"), QStringLiteral("SAMEDI"),
                                  QStringLiteral("DIMANCHE")};
    const QString b = f.campos.value(bolas);
    const QString e = f.campos.value(estrellas);
    if (!b.isEmpty() && enOrden(b) != std::vector<int>(s.num.begin(), s.num.begin() + 5))
        return false;
    if (!e.isEmpty() && enOrden(e) != std::vector<int>(s.num.begin() + 5, s.num.end()))
        return false;
    const qsizetype semana = dias.indexOf(f.campos.value(dia).toUpper());
    return semana < 0 || fecha.dayOfWeek() == semana + 1;
}

Lectura leeCsv(const QByteArray& bytes)
{
    QString motivo;
    const auto t = csv::tabla(bytes, u';', true, motivo);
    if (!t) return noDisponible(motivo);
    const std::vector<int> col = csv::columnas(
        *t,
        {QStringLiteral("date_de_tirage"), QStringLiteral("boule_1"), QStringLiteral("boule_2"),
         QStringLiteral("boule_3"), QStringLiteral("boule_4"), QStringLiteral("boule_5"),
         QStringLiteral("etoile_1"), QStringLiteral("etoile_2")},
        motivo);
    if (col.empty()) return noDisponible(motivo);
    const int bolas = t->columna(QStringLiteral("boules_gagnantes_en_ordre_croissant"));
    const int estrellas = t->columna(QStringLiteral("etoiles_gagnantes_en_ordre_croissant"));
    const int dia = t->columna(QStringLiteral("jour_de_tirage"));
    // Names vary between periods ("rapport_du_rang1_euro_millions"). Files
    // with fewer than thirteen ranks may rank them otherwise: their amounts
    // are left unknown.
    // The patterns of both spellings, whole names in any case, made once.
    static const auto nombres = [] {
        std::array<std::array<QRegularExpression, 2>, 13> r;
        for (int n = 1; n <= 13; ++n) {
            const QString raiz = QStringLiteral("rapport_du_rang%1").arg(n);
            const auto entero = [](const QString& p) {
                return QRegularExpression(QRegularExpression::anchoredPattern(p), QRegularExpression::CaseInsensitiveOption);
            };
            r[static_cast<std::size_t>(n - 1)] = {entero(raiz + QStringLiteral("_euro_?millions.*")),
                                                  entero(raiz + QStringLiteral("(_.*)?"))};
        }
        return r;
    }();
    std::array<int, 13> rapport{};
    for (std::size_t n = 0; n < 13; ++n) {
        const int euro = t->columna(nombres[n][0]);
        rapport[n] = euro >= 0 ? euro : t->columna(nombres[n][1]);
    }
    const bool conImportes =
        std::none_of(rapport.begin(), rapport.end(), [](int c) { return c < 0; });

    std::vector<SorteoFuente> sorteos;
    for (const Fila& f : t->filas) {
        QStringList siete;
        for (std::size_t k = 1; k < col.size(); ++k)
            siete << f.campos.value(col[k]);
        const QDate fecha = fechaFrancesa(f.campos.value(col[0]));
        const auto s = csv::sorteo(fecha, siete);
        if (!s || !coherente(f, *s, fecha, bolas, estrellas, dia))
            return noDisponible(csv::enLinea(f, QStringLiteral("no es un sorteo")));
        SorteoFuente sf{*s};
        for (int n = 1; n <= 13 && conImportes; ++n) {
            const QString importe = f.campos.value(rapport[static_cast<std::size_t>(n - 1)]);
            const auto c = premios::centimosDe(importe);
            if (!c && !importe.isEmpty())
                return noDisponible(
                    csv::enLinea(f, QStringLiteral("importe no válido \"%1\"").arg(importe)));
            sf.centimos[static_cast<std::size_t>(csv::indiceDeRango(n) - 1)] = c.value_or(-1);
        }
        sorteos.push_back(sf);
    }
    return csv::cierra(std::move(sorteos));
}

QString sinEntidades(QString t)
{
    if (!t.contains(u'&'))
        return t;
    static const QRegularExpression numerica(QStringLiteral("&#(x[0-9a-fA-F]{1,6}|\\d{1,7});"));
    QString r;
    qsizetype desde = 0;
    for (auto it = numerica.globalMatch(t); it.hasNext();) {
        const auto m = it.next();
        const QString n = m.captured(1);
        bool ok = false;
        const char32_t codigo = n.startsWith(u'x') ? n.mid(1).toUInt(&ok, 16) : n.toUInt(&ok);
        r += t.mid(desde, m.capturedStart() - desde);
        r += ok && codigo > 0 && codigo < 0x110000 ? QString::fromUcs4(&codigo, 1) : m.captured();
        desde = m.capturedEnd();
    }
    r += t.mid(desde);
    return r.replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// A blank between a tag's name and its attributes, or around their "=".
bool blanco(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// Each attribute of a tag, name="value", name='value' or name=value (names
// of ASCII letters, digits, "_", ":" and "-"), as a search from left to right
// finds them; by hand, as a pattern match allocated for every attribute.
template <typename Cada>
void atributos(QStringView etiqueta, Cada&& cada)
{
    const auto letra = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' ||
               c == u':' || c == u'-';
    };
    const qsizetype n = etiqueta.size();
    for (qsizetype i = 0; i < n;) {
        if (!letra(etiqueta[i])) {
            ++i;
            continue;
        }
        // A name that is not followed by a value is skipped whole: no part of
        // it starts one either.
        qsizetype j = i;
        while (j < n && letra(etiqueta[j]))
            ++j;
        qsizetype k = j;
        while (k < n && blanco(etiqueta[k]))
            ++k;
        if (k == n || etiqueta[k] != u'=') {
            i = j;
            continue;
        }
        ++k;
        while (k < n && blanco(etiqueta[k]))
            ++k;
        qsizetype desde = k, hasta = -1, fin = -1;
        if (k < n && (etiqueta[k] == u'"' || etiqueta[k] == u'\'')) {
            if (const qsizetype cierre = etiqueta.indexOf(etiqueta[k], k + 1); cierre >= 0) {
                desde = k + 1;
                hasta = cierre;
                fin = cierre + 1;
            }
        } else {
            qsizetype m = k;
            while (m < n && !blanco(etiqueta[m]) && etiqueta[m] != u'"' && etiqueta[m] != u'\'' && etiqueta[m] != u'>')
                ++m;
            if (m > k)
                hasta = fin = m;
        }
        if (fin < 0) {
            i = j;
            continue;
        }
        cada(etiqueta.sliced(i, j - i), etiqueta.sliced(desde, hasta - desde));
        i = fin;
    }
}

} // namespace

QString enlaceFdj(const QByteArray& paginaArchivos)
{
    static const QRegularExpression periodo(QStringLiteral("^euromillions_(\\d{6})(\\.zip)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString pagina = QString::fromUtf8(paginaArchivos);
    QString mejor;
    int mayor = -1;
    // Each "<a" tag, from "<a" and a blank to its ">", found by hand: a
    // pattern search allocated for every candidate.
    for (qsizetype i = 0; (i = pagina.indexOf(QStringLiteral("<a"), i, Qt::CaseInsensitive)) >= 0;) {
        if (i + 2 >= pagina.size() || !blanco(pagina[i + 2])) {
            ++i;
            continue;
        }
        const qsizetype fin = pagina.indexOf(u'>', i + 3);
        if (fin < 0)
            break;
        const QStringView etiqueta = QStringView(pagina).sliced(i, fin + 1 - i);
        i = fin + 1;
        QString descarga, href;
        atributos(etiqueta, [&](QStringView nombre, QStringView valor) {
            if (nombre.compare(u"download", Qt::CaseInsensitive) == 0)
                descarga = valor.trimmed().toString();
            else if (nombre.compare(u"href", Qt::CaseInsensitive) == 0)
                href = sinEntidades(valor.toString()).trimmed();
        });
        if (descarga.isEmpty() || href.isEmpty())
            continue;
        const auto p = periodo.match(descarga);
        if (p.hasMatch() && p.captured(1).toInt() > mayor) {
            mayor = p.captured(1).toInt();
            mejor = href;
        }
    }
    return mejor;
}

Lectura leeFdj(const QByteArray& archivo)
{
    QString motivo;
    const auto miembro = zip::unico(archivo, topeDescomprimido, motivo);
    if (!miembro) return noDisponible(motivo);
    if (!miembro->nombre.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return noDisponible(QStringLiteral("el ZIP no tiene un CSV"));
    return leeCsv(miembro->datos);
}

} // namespace fuentes

} // namespace bolvera
