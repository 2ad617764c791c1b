#include "core/update/zip.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace bolvera {

namespace zip {

std::optional<Miembro> unico(const QByteArray& archivo, qsizetype tope, QString& motivo)
{
    const auto danado = [&] {
        motivo = QStringLiteral("el ZIP está dañado");
        return std::nullopt;
    };
    // Every ZIP record starts "PK": without one there is nothing to open.
    if (!archivo.contains("PK"))
        return danado();
    const std::unique_ptr<archive, decltype(&archive_read_free)> a(archive_read_new(),
                                                                   &archive_read_free);
    if (!a || archive_read_support_format_zip(a.get()) != ARCHIVE_OK ||
        archive_read_open_memory(a.get(), archivo.constData(),
                                 static_cast<size_t>(archivo.size())) != ARCHIVE_OK)
        return danado();
    std::optional<Miembro> r;
    archive_entry* entrada = nullptr;
    for (;;) {
        const int estado = archive_read_next_header(a.get(), &entrada);
        if (estado == ARCHIVE_EOF) break;
        // A warning is about the name's character set, not the contents.
        if (estado != ARCHIVE_OK && estado != ARCHIVE_WARN) return danado();
        if (archive_entry_filetype(entrada) == AE_IFDIR) continue;
        if (r) {
            motivo = QStringLiteral("el ZIP tiene más de un fichero");
            return std::nullopt;
        }
        Miembro m;
        const char* nombre = archive_entry_pathname_utf8(entrada);
        if (!nombre) nombre = archive_entry_pathname(entrada);
        m.nombre = QString::fromUtf8(nombre ? nombre : "");
        // Read in pieces, so that a bomb stops at the cap.
        char trozo[64 * 1024];
        for (;;) {
            const la_ssize_t leidos = archive_read_data(a.get(), trozo, sizeof trozo);
            if (leidos < 0) return danado();
            if (leidos == 0) break;
            if (m.datos.size() + leidos > tope) {
                motivo =
                    QStringLiteral("el fichero del ZIP pasa de %1 MB").arg(tope / (1024 * 1024));
                return std::nullopt;
            }
            m.datos.append(trozo, static_cast<qsizetype>(leidos));
        }
        r = std::move(m);
    }
    if (!r) motivo = QStringLiteral("el ZIP no tiene ningún fichero");
    return r;
}

} // namespace zip

} // namespace bolvera
