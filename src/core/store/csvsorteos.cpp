#include "core/store/csvsorteos.h"

#include "core/store/fechas.h"
#include "core/store/validacion.h"

#include <QRegularExpression>

#include <algorithm>

namespace bolvera {

namespace csvsorteos {
namespace {

// The digits of `t` as a number, or -1 when it is not all ASCII digits.
int cifras(QStringView t)
{
    int n = 0;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return t.isEmpty() ? -1 : n;
}

// "2026-12-04", "04/12/2026" or "4/12/2026"; parsed by hand, as a file of
// thousands of rows is read line by line.
QDate fechaDe(QStringView texto)
{
    const QStringView t = texto.trimmed();
    if (t.size() == 10 && t[4] == u'-' && t[7] == u'-')
        return QDate(cifras(t.first(4)), cifras(t.sliced(5, 2)), cifras(t.sliced(8, 2)));
    const qsizetype a = t.indexOf(u'/'), b = t.lastIndexOf(u'/');
    if (a < 1 || a > 2 || b - a < 2 || b - a > 3 || t.size() - b != 5)
        return {};
    const int d = cifras(t.first(a)), m = cifras(t.sliced(a + 1, b - a - 1)), y = cifras(t.sliced(b + 1));
    return d < 0 || m < 0 || y < 0 ? QDate() : QDate(y, m, d);
}

} // namespace

std::vector<double> otrosDias(const std::vector<RegSorteo>& sorteos)
{
    std::vector<double> r;
    for (const RegSorteo& s : sorteos)
        if (validacion::soloPorElDia(s))
            r.push_back(s.fecha);
    return r;
}

Lectura lee(const QByteArray& texto, bool otroDia)
{
    Lectura r;
    const QString todo = QString::fromUtf8(texto);
    const QStringView resto(todo);
    // Lines end in \r\n, \n or \r; fields are cut at any of ",;\t". Both by
    // hand, on views: a file of thousands of rows is read line by line.
    const auto esFin = [](QChar c) { return c == u'\n' || c == u'\r'; };
    const auto esSeparador = [](QChar c) { return c == u',' || c == u';' || c == u'\t'; };
    std::vector<QStringView> campos;
    int numero = 0;
    for (qsizetype desde = 0; desde <= resto.size();) {
        qsizetype hasta = desde;
        while (hasta < resto.size() && !esFin(resto[hasta]))
            ++hasta;
        const QStringView linea = resto.sliced(desde, hasta - desde).trimmed();
        ++numero;
        desde = hasta + (hasta + 1 < resto.size() && resto[hasta] == u'\r' && resto[hasta + 1] == u'\n' ? 2 : 1);
        if (linea.isEmpty())
            continue;
        campos.clear();
        for (qsizetype a = 0;;) {
            qsizetype b = a;
            while (b < linea.size() && !esSeparador(linea[b]))
                ++b;
            campos.push_back(linea.sliced(a, b - a));
            if (b == linea.size())
                break;
            a = b + 1;
        }
        const QDate fecha = fechaDe(campos.front());
        // A first line that names its columns is the header.
        const QStringView primero = campos.front().trimmed();
        if (r.sorteos.empty() && !r.cabecera && !fecha.isValid() && !primero.isEmpty() && primero.front().isLetter()) {
            r.cabecera = true;
            continue;
        }
        const auto falla = [&](const QString& motivo) {
            r.error = QStringLiteral("Línea %1: %2").arg(numero).arg(motivo);
            r.sorteos.clear();
            r.lineas.clear();
            return r;
        };
        if (!fecha.isValid())
            return falla(QStringLiteral("fecha no válida \"%1\"").arg(primero));
        if (campos.size() != 8)
            return falla(QStringLiteral("se esperaban la fecha, cinco números y dos estrellas"));
        RegSorteo s;
        s.fecha = fechas::diaNumero(fecha);
        for (int k = 0; k < 7; ++k) {
            bool ok = false;
            const QStringView campo = campos[static_cast<std::size_t>(k) + 1].trimmed();
            const int n = campo.toInt(&ok);
            if (!ok || n < -32768 || n > 32767)
                return falla(QStringLiteral("\"%1\" no es un número").arg(campo));
            s.num[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(n);
        }
        std::sort(s.num.begin(), s.num.begin() + 5);
        std::sort(s.num.begin() + 5, s.num.end());
        if (const auto error = validacion::sorteo(s, otroDia))
            return falla(*error);
        r.sorteos.push_back(s);
        r.lineas.push_back(numero);
    }
    return r;
}

std::optional<RegSorteo> escrito(const QString& fecha, const QString& combinacion)
{
    const QDate f = fechaDe(fecha);
    const QStringList partes = combinacion.split(u'+');
    if (!f.isValid() || partes.size() != 2)
        return std::nullopt;
    const QStringList numeros = partes[0].split(u' ', Qt::SkipEmptyParts);
    const QStringList estrellas = partes[1].split(u' ', Qt::SkipEmptyParts);
    if (numeros.size() != 5 || estrellas.size() != 2)
        return std::nullopt;
    RegSorteo s;
    s.fecha = fechas::diaNumero(f);
    const QStringList todos = numeros + estrellas;
    for (int k = 0; k < 7; ++k) {
        bool ok = false;
        const int n = todos[k].toInt(&ok);
        if (!ok || n < 0 || n > 99)
            return std::nullopt;
        s.num[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(n);
    }
    std::sort(s.num.begin(), s.num.begin() + 5);
    std::sort(s.num.begin() + 5, s.num.end());
    return s;
}

QByteArray escribe(const std::vector<RegSorteo>& sorteos)
{
    QByteArray texto = "date,n1,n2,n3,n4,n5,s1,s2\n";
    texto.reserve(texto.size() + static_cast<qsizetype>(sorteos.size()) * 32);
    for (const RegSorteo& s : sorteos) {
        texto += fechas::fechaDeDia(s.fecha).toString(Qt::ISODate).toLatin1();
        for (std::int16_t n : s.num)
            texto += ',' + QByteArray::number(n);
        texto += '\n';
    }
    return texto;
}

} // namespace csvsorteos

} // namespace bolvera
