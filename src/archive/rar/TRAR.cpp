#include "archive/rar/TRAR.h"

#include "platform/NativeNames.h"

namespace {

constexpr int CommentBufferSize = 65535;

// The component currently working; the library's callbacks reach it here.
TRAR *s_working = nullptr;

int changeVolume(char *arcName, int mode)
{
    return s_working ? s_working->volumeChanged(arcName, mode) : 0;
}

int processData(unsigned char *addr, int size)
{
    return s_working ? s_working->dataProcessed(addr, size) : 1;
}

// Makes a component the working one for its lifetime.
class WorkingScope {
public:
    explicit WorkingScope(TRAR *rar) { s_working = rar; }
    ~WorkingScope() { s_working = nullptr; }
    WorkingScope(const WorkingScope &) = delete;
    WorkingScope &operator=(const WorkingScope &) = delete;
};

// Closes the handle when the walk leaves.
class HandleCloser {
public:
    explicit HandleCloser(RarHandle handle)
        : m_handle(handle)
    {
    }
    ~HandleCloser() { RARCloseArchive(m_handle); }
    HandleCloser(const HandleCloser &) = delete;
    HandleCloser &operator=(const HandleCloser &) = delete;

private:
    RarHandle m_handle;
};

} // namespace

TRAR::TRAR(QObject *parent)
    : QObject(parent)
    , m_comment(CommentBufferSize, '\0')
{
}

TRAR::~TRAR()
{
    if (s_working == this)
        s_working = nullptr;
}

QString TRAR::ErrorText(int error)
{
    switch (error) {
    case ERAR_END_ARCHIVE:
        return QStringLiteral("Ende des Archives");
    case ERAR_NO_MEMORY:
        return QStringLiteral("Nicht genügend freier Speicher um Datenstruktur zu initialisieren");
    case ERAR_BAD_DATA:
        return QStringLiteral("CRC fehler, Daten beschädigt");
    case ERAR_BAD_ARCHIVE:
        return QStringLiteral("Datei ist kein gültiges Rar-Archive");
    case ERAR_UNKNOWN_FORMAT:
        return QStringLiteral("Unbekanntes Kommentarformat");
    case ERAR_EOPEN:
        return QStringLiteral("Datei öffnen fehler");
    case ERAR_ECREATE:
        return QStringLiteral("Datei erstellen fehler");
    case ERAR_ECLOSE:
        return QStringLiteral("Datei schließen fehler");
    case ERAR_EREAD:
        return QStringLiteral("Lesefehler");
    case ERAR_EWRITE:
        return QStringLiteral("Schreibfehler");
    case ERAR_SMALL_BUF:
        return QStringLiteral("Buffer ist für Kommentar zu klein");
    case ERAR_ENCRYPTED:
        return QStringLiteral("verschlüsselte RAR-Daten können nicht entpackt werden");
    default:
        return QStringLiteral("Unbekannter Fehler");
    }
}

int TRAR::volumeChanged(char *arcName, int mode)
{
    if (!OnVolumeChange)
        return 0;
    return OnVolumeChange(this, QString::fromUtf8(arcName), mode);
}

int TRAR::dataProcessed(unsigned char *addr, int size)
{
    // Stop set while a file is unpacked ends it at once.
    if (Stop)
        return -1;
    m_fileBytes += size;
    if (!OnProcessData)
        return 1;
    return OnProcessData(this, addr, size, m_fileBytes) == 0 ? -1 : 1;
}

void TRAR::reportError(int error)
{
    if (OnError)
        OnError(this, error);
}

// A comment the layer cannot read is shown as such.
void TRAR::reportComment(const RAROpenArchiveData &data)
{
    if (!OnComment || data.CmtState == 0)
        return;
    if (data.CmtState == 1 || data.CmtState == ERAR_SMALL_BUF)
        OnComment(this, QString::fromUtf8(data.CmtBuf,
                                          int(qstrnlen(data.CmtBuf, qMin<uint>(data.CmtSize, CommentBufferSize)))));
    else
        OnComment(this, ErrorText(int(data.CmtState)));
}

RarHandle TRAR::open(unsigned mode, int &result)
{
    const QByteArray name = NativeNames::encode(ArchiveName);
    RAROpenArchiveData data{};
    data.ArcName = const_cast<char *>(name.constData());
    data.OpenMode = mode;
    data.CmtBuf = m_comment.data();
    data.CmtBufSize = CommentBufferSize;
    RarHandle handle = RAROpenArchive(&data);
    result = int(data.OpenResult);
    if (result != ERAR_SUCCESS) {
        RARCloseArchive(handle);
        return nullptr;
    }
    reportComment(data);
    if (OnVolumeChange)
        RARSetChangeVolProc(handle, changeVolume);
    return handle;
}

RarEntry TRAR::entryOf(RarHandle handle, const RARHeaderData &header) const
{
    RarEntry entry;
    entry.header = header;
    int64_t packed = 0, unpacked = 0;
    const char *fullName = nullptr;
    RARGetEntryDetails(handle, &packed, &unpacked, &fullName, nullptr);
    entry.fileName = QString::fromUtf8(fullName ? fullName : header.FileName);
    entry.packSize = packed;
    entry.unpSize = unpacked;
    return entry;
}

QString TRAR::refusal(const RarEntry &entry) const
{
    return entry.encrypted() ? ErrorText(ERAR_ENCRYPTED) : QString();
}

void TRAR::List()
{
    WorkingScope working(this);
    int result = 0;
    RarHandle handle = open(RAR_OM_LIST, result);
    if (!handle) {
        reportError(result);
        return;
    }
    HandleCloser closer(handle);
    RARHeaderData header{};
    QByteArray fileComment(CommentBufferSize, '\0');
    header.CmtBuf = fileComment.data();
    header.CmtBufSize = CommentBufferSize;
    while ((result = RARReadHeader(handle, &header)) == ERAR_SUCCESS) {
        if (OnListFile)
            OnListFile(this, entryOf(handle, header));
        if (Stop) {
            Stop = false;
            return;
        }
        if (header.CmtState == 1 && OnComment)
            OnComment(this, QString::fromUtf8(header.CmtBuf, qMin<int>(int(header.CmtSize), CommentBufferSize)));
        if (const int skipped = RARProcessFile(handle, RAR_SKIP, nullptr, nullptr); skipped != ERAR_SUCCESS) {
            reportError(skipped);
            return;
        }
    }
    if (result != ERAR_END_ARCHIVE)
        reportError(result);
}

bool TRAR::Extract()
{
    return walk(true);
}

bool TRAR::Test()
{
    return walk(false);
}

bool TRAR::walk(bool extracting)
{
    if (ArchiveName.isEmpty()) {
        reportError(ERAR_BAD_ARCHIVE);
        return false;
    }
    WorkingScope working(this);
    int result = 0;
    RarHandle handle = open(RAR_OM_EXTRACT, result);
    if (!handle) {
        reportError(result);
        return false;
    }
    HandleCloser closer(handle);
    // Always installed: it also ends an entry at once when Stop is set.
    RARSetProcessDataProc(handle, processData);
    RARSetOverwrite(handle, Overwrite);
    QByteArray destination = NativeNames::encode(TargetDir);
    const auto &before = extracting ? OnExtracting : OnTesting;
    const auto &after = extracting ? OnExtract : OnTested;

    bool ok = true;
    RARHeaderData header{};
    while ((result = RARReadHeader(handle, &header)) == ERAR_SUCCESS) {
        const RarEntry entry = entryOf(handle, header);
        if (Stop) {
            Stop = false;
            return ok;
        }
        if (before)
            before(this, entry);
        m_fileBytes = 0;
        if (const QString reason = refusal(entry); !reason.isEmpty()) {
            RARProcessFile(handle, RAR_SKIP, nullptr, nullptr);
            if (OnRefused)
                OnRefused(this, entry, reason);
            if (after)
                after(this, entry, false);
            ok = false;
            continue;
        }
        const int processed = extracting ? RARProcessFile(handle, RAR_EXTRACT,
                                                          destination.isEmpty() ? nullptr : destination.data(), nullptr)
                                         : RARProcessFile(handle, RAR_TEST, nullptr, nullptr);
        if (processed != ERAR_SUCCESS && OnRefused && *RARGetEntryProblem(handle))
            OnRefused(this, entry, QString::fromUtf8(RARGetEntryProblem(handle)));
        if (after)
            after(this, entry, processed == ERAR_SUCCESS);
        if (processed == ERAR_SUCCESS)
            continue;
        if (Stop) {
            // Cancelled inside the entry: its partial file is gone already.
            Stop = false;
            return false;
        }
        ok = false;
        reportError(processed);
        if (processed != ERAR_ECREATE && processed != ERAR_BAD_DATA)
            return false;
    }
    if (result != ERAR_END_ARCHIVE) {
        reportError(result);
        ok = false;
    }
    return ok;
}
