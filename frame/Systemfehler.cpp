#include "frame/Systemfehler.h"

#include "frame/basZIRVODialogSprache.h"

#include <cerrno>
#include <string_view>

namespace Systemfehler {

namespace {

// The German text of the common reasons; "" for the others.
std::string_view Deutsch(int e) {
    switch (e) {
    case ENOSPC: return "kein Platz mehr auf dem Datenträger";
    case EDQUOT: return "der zugeteilte Speicherplatz ist aufgebraucht";
    case EROFS: return "der Datenträger ist schreibgeschützt";
    case EACCES:
    case EPERM: return "keine Berechtigung";
    case ENOENT: return "Datei oder Ordner nicht gefunden";
    case EFBIG: return "die Datei wird zu gross";
    case EISDIR: return "ist ein Ordner";
    case ENOTDIR: return "ein Teil des Pfades ist kein Ordner";
    case EMFILE:
    case ENFILE: return "zu viele offene Dateien";
    case EIO: return "Ein-/Ausgabefehler des Datenträgers";
    case ETXTBSY: return "die Datei wird gerade benutzt";
    case ENAMETOOLONG: return "der Name ist zu lang";
    case EEXIST: return "die Datei ist schon vorhanden";
    case ENOTEMPTY: return "der Ordner ist nicht leer";
    case EXDEV: return "Quelle und Ziel liegen auf verschiedenen Datenträgern";
    case ELOOP: return "zu viele symbolische Verknüpfungen";
    default: return {};
    }
}

} // namespace

std::string Text(int fehlernummer) {
    if (const std::string_view d = Deutsch(fehlernummer); !d.empty()) {
        std::string text = DS(d);
        if (!text.empty()) return text;
    }
    // The system's text (thread-safe, unlike strerror); also while the
    // program's texts are off, so a reason is never empty.
    return std::system_category().message(fehlernummer);
}

std::string Text(const std::error_code& ec) {
    if (ec.category() == std::system_category() || ec.category() == std::generic_category()) return Text(ec.value());
    return ec.message();
}

} // namespace Systemfehler
