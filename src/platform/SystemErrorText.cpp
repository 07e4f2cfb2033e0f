#include "platform/SystemErrorText.h"

#include <cerrno>

namespace {

struct Reason {
    int code;
    const char *text;
};

const Reason kReasons[] = {
    {EPERM, "Vorgang nicht erlaubt"},
    {ENOENT, "Datei oder Verzeichnis nicht gefunden"},
    {EIO, "Ein-/Ausgabefehler"},
    {ENXIO, "Gerät oder Adresse nicht vorhanden"},
    {EBADF, "Ungültiger Dateideskriptor"},
    {ENOMEM, "Nicht genügend Arbeitsspeicher"},
    {EACCES, "Zugriff verweigert"},
    {EBUSY, "Gerät oder Ressource belegt"},
    {EEXIST, "Datei existiert bereits"},
    {EXDEV, "Verknüpfung über Dateisystemgrenzen hinweg nicht möglich"},
    {ENODEV, "Gerät nicht vorhanden"},
    {ENOTDIR, "Ist kein Verzeichnis"},
    {EISDIR, "Ist ein Verzeichnis"},
    {EINVAL, "Ungültiges Argument"},
    {ENFILE, "Zu viele offene Dateien im System"},
    {EMFILE, "Zu viele offene Dateien"},
    {ETXTBSY, "Programmdatei wird gerade ausgeführt"},
    {EFBIG, "Datei zu groß"},
    {ENOSPC, "Kein freier Speicherplatz auf dem Datenträger"},
    {ESPIPE, "Keine Positionierung möglich"},
    {EROFS, "Dateisystem nur lesbar"},
    {EMLINK, "Zu viele Verknüpfungen"},
    {EPIPE, "Verbindung unterbrochen"},
    {ENAMETOOLONG, "Dateiname zu lang"},
    {ENOTEMPTY, "Verzeichnis nicht leer"},
    {ELOOP, "Zu viele Ebenen symbolischer Verknüpfungen"},
    {EILSEQ, "Name auf diesem Dateisystem nicht darstellbar"},
    {EOPNOTSUPP, "Vorgang wird nicht unterstützt"},
    {ETIMEDOUT, "Zeitüberschreitung"},
    {ESTALE, "Veraltete Dateisystemreferenz"},
    {EDQUOT, "Speicherplatzkontingent überschritten"},
    {EAGAIN, "Ressource vorübergehend nicht verfügbar"},
    {EINTR, "Unterbrochener Systemaufruf"},
    {ENOTCONN, "Keine Verbindung zum Datenträger"},
    {ENOMEDIUM, "Kein Datenträger eingelegt"},
    {EUCLEAN, "Dateisystem beschädigt"},
};

} // namespace

QString SystemErrorText(int code)
{
    for (const Reason &reason : kReasons) {
        if (reason.code == code)
            return QString::fromUtf8(reason.text);
    }
    return QStringLiteral("Systemfehler %1").arg(code);
}
