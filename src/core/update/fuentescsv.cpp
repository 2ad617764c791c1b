#include "core/update/fuentescsv.h"

#include "core/store/categorias.h"
#include "core/store/fechas.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>

namespace bolvera {

namespace fuentes::csv {

std::optional<QString> texto(const QByteArray& bytes, bool latin1, QString& motivo)
{
    const QByteArray v = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    if (v.trimmed().isEmpty()) {
        motivo = QStringLiteral("el fichero está vacío");
        return std::nullopt;
    }
    // UTF-16 and binary data both carry NUL bytes; no text file does.
    if (v.contains('\0') || v.startsWith("\xFF\xFE") || v.startsWith("\xFE\xFF")) {
        motivo = QStringLiteral("el fichero no es texto");
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString t = utf8.decode(v);
    if (!utf8.hasError()) return t;
    if (latin1) return QString::fromLatin1(v);
    motivo = QStringLiteral("el fichero no está en UTF-8");
    return std::nullopt;
}

int Tabla::columna(const QString& nombre) const
{
    for (qsizetype i = 0; i < cabecera.size(); ++i)
        if (cabecera[i].compare(nombre, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

int Tabla::columna(const QRegularExpression& patron) const
{
    for (qsizetype i = 0; i < cabecera.size(); ++i)
        if (patron.match(cabecera[i]).hasMatch()) return static_cast<int>(i);
    return -1;
}

std::optional<std::vector<Fila>> filas(const QString& texto, QChar separador, QString& motivo)
{
    if (texto.trimmed().startsWith(u'<')) {
        motivo = QStringLiteral("es una página web, no un CSV");
        return std::nullopt;
    }
    std::vector<Fila> r;
    Fila fila{1, {}};
    QString campo;
    int linea = 1;
    bool citado = false;
    // Each row gets room for as many fields as the widest before it: the
    // list grows once, not field by field.
    qsizetype ancho = 0;
    const auto nuevaFila = [&] {
        ancho = std::max(ancho, fila.campos.size());
        if (std::any_of(fila.campos.cbegin(), fila.campos.cend(), [](const QString& c) { return !c.isEmpty(); }))
            r.push_back(std::move(fila));
        fila = Fila{linea, {}};
        fila.campos.reserve(ancho);
    };
    const auto cierraFila = [&] {
        fila.campos.push_back(campo.trimmed());
        campo.clear();
        nuevaFila();
    };
    const QStringView t(texto);
    const qsizetype largo = t.size();
    // Where the next character with a meaning in a field starts, from `i`.
    const auto hastaEspecial = [&](qsizetype i, bool dentro) {
        while (i < largo) {
            const QChar c = t[i];
            if (c == u'"' || c == u'\n' || (!dentro && (c == separador || c == u'\r')))
                break;
            ++i;
        }
        return i;
    };
    for (qsizetype i = 0; i < largo; ++i) {
        if (citado) {
            const qsizetype j = hastaEspecial(i, true);
            campo.append(t.sliced(i, j - i));
            if (j == largo)
                break;
            i = j;
            const QChar c = t[i];
            if (c == u'"' && i + 1 < largo && t[i + 1] == u'"') {
                campo += u'"';
                ++i;
            } else if (c == u'"') {
                citado = false;
            } else {
                ++linea; // a line break inside quotes is part of the field
                campo += c;
            }
            continue;
        }
        const qsizetype j = hastaEspecial(i, false);
        if (campo.isEmpty() && j < largo && t[j] != u'"') {
            // A plain field, the common case: taken in one piece, sharing the
            // text's memory.
            const QStringView v = t.sliced(i, j - i).trimmed();
            fila.campos.push_back(v.isEmpty() ? QString() : QString::fromRawData(v.data(), v.size()));
            i = j;
            if (t[i] == separador)
                continue;
            if (t[i] == u'\r' && i + 1 < largo && t[i + 1] == u'\n')
                ++i;
            ++linea;
            // The field is in the row already: the row closes without another.
            nuevaFila();
            continue;
        }
        campo.append(t.sliced(i, j - i));
        if (j == largo)
            break;
        i = j;
        const QChar c = t[i];
        if (c == u'"' && QStringView(campo).trimmed().isEmpty()) {
            citado = true;
            campo.clear();
        } else if (c == u'"') {
            campo += c;
        } else if (c == separador) {
            fila.campos.push_back(campo.trimmed());
            campo.clear();
        } else {
            if (c == u'\r' && i + 1 < largo && t[i + 1] == u'\n')
                ++i;
            ++linea;
            cierraFila();
        }
    }
    if (citado) {
        motivo = enLinea(fila, QStringLiteral("comillas sin cerrar"));
        return std::nullopt;
    }
    cierraFila();
    return r;
}

std::optional<Tabla> tabla(const QByteArray& bytes, QChar separador, bool latin1, QString& motivo)
{
    const auto t = texto(bytes, latin1, motivo);
    if (!t) return std::nullopt;
    auto f = filas(*t, separador, motivo);
    if (!f) return std::nullopt;
    Tabla r;
    r.texto = *t;
    if (!f->empty()) {
        r.cabecera = f->front().campos;
        r.filas.assign(f->begin() + 1, f->end());
    }
    return r;
}

std::vector<int> columnas(const Tabla& t, const QStringList& nombres, QString& motivo)
{
    std::vector<int> r;
    for (const QString& n : nombres) {
        const int i = t.columna(n);
        if (i < 0) {
            motivo = QStringLiteral("falta la columna \"%1\"").arg(n);
            return {};
        }
        r.push_back(i);
    }
    return r;
}

std::optional<int> bola(const QString& texto)
{
    // One or two ASCII digits.
    const QStringView t = QStringView(texto).trimmed();
    const auto cifra = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (t.isEmpty() || t.size() > 2 || !std::all_of(t.begin(), t.end(), cifra)) return std::nullopt;
    return t.toInt();
}

std::optional<RegSorteo> sorteo(QDate fecha, const QStringList& siete)
{
    if (!fecha.isValid() || siete.size() != 7) return std::nullopt;
    RegSorteo s;
    s.fecha = fechas::diaNumero(fecha);
    for (int k = 0; k < 7; ++k) {
        const auto n = bola(siete[k]);
        if (!n) return std::nullopt;
        s.num[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(*n);
    }
    std::sort(s.num.begin(), s.num.begin() + 5);
    std::sort(s.num.begin() + 5, s.num.end());
    return s;
}

QDate fecha(const QString& dia, const QString& mes, const QString& anio)
{
    bool okD = false, okM = false, okA = false;
    const int d = dia.toInt(&okD);
    const int m = mes.toInt(&okM);
    const int a = anio.toInt(&okA);
    if (!okD || !okM || !okA) return {};
    return QDate(a, m, d); // invalid for 31/02 and the like
}

int indiceDeRango(int rango)
{
    // The operators' ranks 1–13 as hits: 3+2 comes before 4+0.
    static constexpr std::array<std::pair<int, int>, 13> aciertos = {{{5, 2},
                                                                      {5, 1},
                                                                      {5, 0},
                                                                      {4, 2},
                                                                      {4, 1},
                                                                      {3, 2},
                                                                      {4, 0},
                                                                      {2, 2},
                                                                      {3, 1},
                                                                      {3, 0},
                                                                      {1, 2},
                                                                      {2, 1},
                                                                      {2, 0}}};
    if (rango < 1 || rango > 13) return 0;
    const auto [h, k] = aciertos[static_cast<std::size_t>(rango - 1)];
    return categorias::clasifica(h, k);
}

QString enLinea(const Fila& f, const QString& que)
{
    return QStringLiteral("línea %1: %2").arg(f.linea).arg(que);
}

Lectura noDisponible(const QString& motivo)
{
    Lectura l;
    l.motivo = motivo;
    return l;
}

Lectura cierra(std::vector<SorteoFuente> sorteos)
{
    std::stable_sort(sorteos.begin(), sorteos.end(),
                     [](const SorteoFuente& a, const SorteoFuente& b) {
                         return a.sorteo.fecha < b.sorteo.fecha;
                     });
    Lectura l;
    for (SorteoFuente& s : sorteos) {
        if (!l.sorteos.empty() && l.sorteos.back().sorteo.fecha == s.sorteo.fecha) {
            if (l.sorteos.back() == s) continue;
            return noDisponible(QStringLiteral("dos sorteos distintos el %1")
                                    .arg(fechas::fechacorta(s.sorteo.fecha)));
        }
        l.sorteos.push_back(std::move(s));
    }
    l.disponible = true;
    return l;
}

} // namespace fuentes::csv

} // namespace bolvera
