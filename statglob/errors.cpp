#include "statglob/errors.h"

#include "statglob/text.h"

#include <algorithm>
#include <cerrno>

namespace {

// The field text shown is cut here: the message must stay readable for a line of any length.
constexpr std::size_t kMaxShownField = 255;

std::string ConversionText(std::string_view field) {
    std::string shown = Cp1252ToUtf8(field.substr(0, kMaxShownField));
    // what() is a C string: a NUL byte from the file would end the message there.
    std::replace(shown.begin(), shown.end(), '\0', '?');
    if (field.size() > kMaxShownField)
        shown += "…";
    return "'" + shown + "' ist kein gültiger Integerwert";
}

} // namespace

std::string SystemReason(int err) {
    switch (err) {
    case ENOENT:
        return "Datei oder Ordner nicht gefunden";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert";
    case EROFS:
        return "Dateisystem nur lesbar";
    case ENOTDIR:
        return "ein Teil des Pfades ist kein Ordner";
    case EISDIR:
        return "ein Ordner, keine Datei";
    case ENOSPC:
        return "kein Speicherplatz mehr frei";
#ifdef EDQUOT
    case EDQUOT:
        return "Speicherkontingent erschöpft";
#endif
    case EFBIG:
        return "Datei zu groß";
    case EMLINK:
        return "zu viele Verknüpfungen";
#ifdef ELOOP
    case ELOOP:
        return "zu viele symbolische Verknüpfungen";
#endif
    case ENAMETOOLONG:
        return "Name zu lang";
    case EMFILE:
    case ENFILE:
        return "zu viele Dateien geöffnet";
    case EIO:
        return "Ein-/Ausgabefehler des Datenträgers";
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
        return "Datei wird gerade benutzt";
    case EEXIST:
        return "Datei besteht bereits";
    case EXDEV:
        return "anderes Dateisystem";
    case EINVAL:
        return "ungültiger Name";
    case ENXIO:
    case ENODEV:
        return "Gerät nicht vorhanden";
    case EPIPE:
        return "Empfänger geschlossen";
    default:
        return "Systemfehler " + std::to_string(err);
    }
}

IoError::IoError(int code) : std::runtime_error(TextFor(code)), code_(code) {}

IoError::IoError(int code, const std::string& path, const std::string& reason)
    : std::runtime_error(TextFor(code) + (reason.empty() ? "" : " (" + reason + ")") +
                         (path.empty() ? "" : ": „" + ToValidUtf8(path) + "“")),
      code_(code) {}

IoError IoError::FromErrno(int err, const std::string& path) {
    const int code = CodeFromErrno(err);
    // The standard texts of these say all there is.
    const bool said = err == ENOENT || err == EACCES || err == EPERM || err == ENOSPC ||
                      err == EMFILE || err == ENFILE;
    return IoError(code, path, said ? std::string() : SystemReason(err));
}

std::string IoError::TextFor(int code) {
    switch (code) {
    case 2:
        return "Datei nicht gefunden";
    case 3:
        return "Ungültiger Dateiname";
    case 4:
        return "Zu viele Dateien geöffnet";
    case 5:
        return "Dateizugriff verweigert";
    case 100:
        return "Lesen nach Dateiende (EOF)";
    case 101:
        return "Kapazität der Diskette/Festplatte erschöpft";
    case 106:
        return "Ungültige numerische Eingabe";
    default:
        return "I/O-Fehler " + std::to_string(code);
    }
}

int IoError::CodeFromErrno(int err) {
    switch (err) {
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        return 5;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return 101;
    default:
        return 1000 + err;
    }
}

WriteError::WriteError(const std::string& path, int err) : WriteError(path, SystemReason(err)) {
    err_ = err;
}

WriteError::WriteError(const std::string& path, const std::string& reason)
    : std::runtime_error("Die Datei „" + ToValidUtf8(path) + "“ kann nicht geschrieben werden" +
                         (reason.empty() ? "" : ": " + reason)),
      reason_(reason) {}

ConversionError::ConversionError(std::string_view field)
    : std::runtime_error(ConversionText(field)) {}

ConversionError::ConversionError(const std::string& text, bool located)
    : std::runtime_error(text), located_(located) {}

ConversionError ConversionError::Located(const std::string& fileName, long line, long field) const {
    if (located_)
        return *this;
    std::string name = fileName;
    std::replace(name.begin(), name.end(), '\0', '?');
    return ConversionError(std::string(what()) + ".\nDatei " + name + ", Zeile " +
                               std::to_string(line) + ", Feld " + std::to_string(field),
                           true);
}
