#include "app/argumentos.h"

#include "core/store/ajustes.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>

namespace bolvera {

namespace argumentos {

namespace {

// "-1" or "-2,50" is a (perhaps wrong) number, not an option.
bool esNumeroNegativo(const QString& texto)
{
    return texto.size() > 1 && texto[0] == u'-' && (texto[1].isDigit() || texto[1] == u',' || texto[1] == u'.');
}

bool pareceOpcion(const QString& texto)
{
    return texto.size() > 1 && texto[0] == u'-' && !esNumeroNegativo(texto);
}

QString listaPermitidos(const QStringList& permitidos)
{
    if (permitidos.size() < 2)
        return permitidos.join(QString());
    return permitidos.mid(0, permitidos.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" o ") +
           permitidos.back();
}

} // namespace

Linea lee(const QStringList& argumentos, const std::vector<Opcion>& opciones)
{
    Linea l;
    for (qsizetype i = 0; i < argumentos.size() && l.error.isEmpty(); ++i) {
        const QString& a = argumentos[i];
        if (a == u"--") {
            l.posicionales += argumentos.mid(i + 1);
            break;
        }
        if (!pareceOpcion(a)) {
            l.posicionales << a;
            continue;
        }
        QString nombre = a == u"-h" ? QStringLiteral("help") : a.startsWith(u"--") ? a.mid(2) : QString();
        std::optional<QString> valor;
        if (const qsizetype igual = nombre.indexOf(u'='); igual >= 0) {
            valor = nombre.mid(igual + 1);
            nombre.truncate(igual);
        }
        const auto o = std::find_if(opciones.begin(), opciones.end(), [&](const Opcion& x) { return x.nombre == nombre; });
        if (nombre.isEmpty() || o == opciones.end()) {
            l.error = QStringLiteral("Opción desconocida: %1").arg(valor ? a.left(a.indexOf(u'=')) : a);
            break;
        }
        if (o->valor.isEmpty()) {
            if (valor)
                l.error = QStringLiteral("La opción --%1 no lleva valor.").arg(nombre);
            l.opciones[nombre] = QString();
            continue;
        }
        if (!valor && i + 1 < argumentos.size() && !pareceOpcion(argumentos[i + 1]))
            valor = argumentos[++i];
        if (!valor)
            l.error = QStringLiteral("Falta el valor de --%1 (%2).").arg(nombre, o->valor);
        else if (valor->trimmed().isEmpty() && !o->vacio)
            l.error = QStringLiteral("--%1 no puede ir vacío (%2).").arg(nombre, o->valor);
        else if (!o->permitidos.isEmpty() && !o->permitidos.contains(*valor))
            l.error = QStringLiteral("--%1 ha de ser %2, no «%3».").arg(nombre, listaPermitidos(o->permitidos), *valor);
        else
            l.opciones[nombre] = *valor;
    }
    return l;
}

std::optional<QString> compruebaValores(const Linea& linea, const std::vector<Opcion>& opciones)
{
    for (const Opcion& o : opciones) {
        const auto dada = linea.opciones.find(o.nombre);
        if (dada == linea.opciones.end())
            continue;
        const QString& valor = dada->second;
        bool numero = false;
        if (o.tipo == Opcion::Tipo::Fecha && !QDate::fromString(valor, Qt::ISODate).isValid())
            return QStringLiteral("Fecha no válida: %1").arg(valor);
        if (o.tipo == Opcion::Tipo::Positivo && (valor.toInt(&numero) < 1 || !numero))
            return QStringLiteral("--%1 ha de ser un número de 1 en adelante, no «%2».").arg(o.nombre, valor);
    }
    return std::nullopt;
}

std::optional<QString> compruebaPosicionales(const QStringList& dados, const std::vector<Argumento>& forma)
{
    qsizetype minimo = 0;
    qsizetype maximo = 0;
    for (const Argumento& a : forma) {
        minimo += a.cuantos != Argumento::Cuantos::Opcional;
        maximo = a.cuantos == Argumento::Cuantos::Varios ? dados.size() : maximo + 1;
    }
    if (dados.size() < minimo)
        return QStringLiteral("Falta %1.").arg(forma[static_cast<std::size_t>(dados.size())].nombre);
    if (dados.size() > maximo)
        return QStringLiteral("Sobra «%1».").arg(dados[maximo]);
    // Amounts as the price is written: digits, a decimal mark, a euro sign.
    static const QRegularExpression importe(QStringLiteral("^[\\d.,\\s€\\x{a0}]*\\d[\\d.,\\s€\\x{a0}]*$"));
    for (qsizetype i = 0; i < dados.size(); ++i) {
        const Argumento& a = forma[static_cast<std::size_t>(std::min<qsizetype>(i, forma.size() - 1))];
        const bool positivo = a.tipo == Argumento::Tipo::ImportePositivo;
        if ((a.tipo == Argumento::Tipo::Importe || positivo) && !importe.match(dados[i]).hasMatch())
            return QStringLiteral("%1 ha de ser un importe como 2,50, no «%2».").arg(a.nombre, dados[i]);
        if (positivo && !ajustes::leePrecio(dados[i]))
            return QStringLiteral("%1 ha de ser un importe de más de 0,00 € en céntimos enteros, no «%2».").arg(a.nombre, dados[i]);
        if (a.tipo != Argumento::Tipo::Entero)
            continue;
        bool ok = false;
        const int n = dados[i].toInt(&ok);
        if (!ok || n < a.minimo || n > a.maximo) {
            const QString rango = a.maximo == INT_MAX ? QStringLiteral("un número de %1 en adelante").arg(a.minimo)
                                                      : QStringLiteral("un número de %1 a %2").arg(a.minimo).arg(a.maximo);
            return QStringLiteral("%1 ha de ser %2, no «%3».").arg(a.nombre, a.minimo == INT_MIN ? QStringLiteral("un número") : rango, dados[i]);
        }
    }
    return std::nullopt;
}

QString textoForma(const std::vector<Argumento>& forma)
{
    QStringList partes;
    for (const Argumento& a : forma)
        partes << (a.cuantos == Argumento::Cuantos::Opcional ? u'[' + a.nombre + u']'
                   : a.cuantos == Argumento::Cuantos::Varios ? a.nombre + QStringLiteral("...")
                                                             : a.nombre);
    return partes.join(u' ');
}

} // namespace argumentos

} // namespace bolvera
