#include "archive/rar/UnrarApi.h"

#include "archive/ExtractedFileMode.h"
#include "archive/rar/EntryPathCheck.h"
#include "archive/rar/RarVolumes.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <locale.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// RAR 4 Unicode names come back empty unless the character set is UTF-8, so
// every call runs with a UTF-8 locale on its thread.
class Utf8Locale {
public:
    Utf8Locale()
    {
        static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
        if (utf8)
            m_previous = uselocale(utf8);
    }
    ~Utf8Locale()
    {
        if (m_previous)
            uselocale(m_previous);
    }
    Utf8Locale(const Utf8Locale &) = delete;
    Utf8Locale &operator=(const Utf8Locale &) = delete;

private:
    locale_t m_previous = nullptr;
};

constexpr int MaxVolumeQuestions = 100;
constexpr size_t BlockSize = 64 * 1024;

struct RarArchive {
    archive *reader = nullptr;
    unsigned openMode = RAR_OM_LIST;
    std::string currentVolume;
    std::FILE *file = nullptr;
    bool volumeSet = false;
    bool volumeRefused = false;
    CHANGEVOLPROC changeVolume = nullptr;
    PROCESSDATAPROC processData = nullptr;
    archive_entry *entry = nullptr;
    int headerFailure = 0; // sticky: the walk never goes past a failure
    int skipResult = 0;    // list mode: result of skipping the current entry
    bool dataPending = false;
    int64_t packSize = 0;
    int64_t unpSize = 0;
    std::string name;
    std::string linkTarget;
    std::string password;
    std::vector<unsigned char> readBuffer = std::vector<unsigned char>(BlockSize);
    std::vector<unsigned char> dataBuffer = std::vector<unsigned char>(BlockSize);

    ~RarArchive()
    {
        if (reader)
            archive_read_free(reader);
        if (file)
            std::fclose(file);
    }
    int dataFailure() const { return volumeRefused ? ERAR_EOPEN : ERAR_BAD_DATA; }
};

RarArchive *toArchive(RarHandle handle)
{
    return static_cast<RarArchive *>(handle);
}

bool fileExists(const std::string &name)
{
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Opens the volume after the current one, asking through the callback while
// it is missing. False when there is none or the user refused it.
bool openNextVolume(RarArchive *rar)
{
    if (!rar->volumeSet)
        return false;
    std::string next = RarVolumes::nextVolumeName(rar->currentVolume);
    if (next.empty())
        return false;
    for (int asked = 0; !fileExists(next); ++asked) {
        if (!rar->changeVolume || asked == MaxVolumeQuestions) {
            rar->volumeRefused = true;
            return false;
        }
        std::vector<char> name(RarVolumeNameSize, '\0');
        std::strncpy(name.data(), next.c_str(), name.size() - 1);
        if (rar->changeVolume(name.data(), RAR_VOL_ASK) == 0) {
            rar->volumeRefused = true;
            return false;
        }
        next = name.data();
    }
    std::FILE *file = std::fopen(next.c_str(), "rb");
    if (!file) {
        rar->volumeRefused = true;
        return false;
    }
    std::fclose(rar->file);
    rar->file = file;
    rar->currentVolume = next;
    rar->volumeSet = RarVolumes::readSignature(next).isVolume;
    if (rar->changeVolume) {
        std::vector<char> name(RarVolumeNameSize, '\0');
        std::strncpy(name.data(), next.c_str(), name.size() - 1);
        if (rar->changeVolume(name.data(), RAR_VOL_NOTIFY) == 0) {
            rar->volumeRefused = true;
            return false;
        }
    }
    return true;
}

// The volumes read as one stream; a volume's end leads into the next.
la_ssize_t readVolumes(archive *reader, void *data, const void **block)
{
    auto *rar = static_cast<RarArchive *>(data);
    while (rar->file) {
        const size_t got = std::fread(rar->readBuffer.data(), 1, rar->readBuffer.size(), rar->file);
        if (got > 0) {
            *block = rar->readBuffer.data();
            return static_cast<la_ssize_t>(got);
        }
        if (std::ferror(rar->file)) {
            archive_set_error(reader, EIO, "read error");
            return -1;
        }
        if (!openNextVolume(rar))
            return 0;
    }
    return 0;
}

// Skips within the current volume; libarchive reads across a volume's end.
la_int64_t skipInVolume(archive *, void *data, la_int64_t request)
{
    auto *rar = static_cast<RarArchive *>(data);
    const off_t position = ftello(rar->file);
    if (position < 0 || fseeko(rar->file, 0, SEEK_END) != 0)
        return 0;
    const off_t end = ftello(rar->file);
    const la_int64_t skipped = std::max<la_int64_t>(0, std::min<la_int64_t>(request, end - position));
    fseeko(rar->file, position + skipped, SEEK_SET);
    return skipped;
}

// Copies text into a fixed field, cut before a UTF-8 sequence that does not fit.
void copyName(char (&field)[260], const std::string &text)
{
    size_t length = std::min(text.size(), sizeof field - 1);
    while (length > 0 && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xc0) == 0x80)
        --length;
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

unsigned dosDateTime(time_t time)
{
    struct tm local {};
    if (!localtime_r(&time, &local) || local.tm_year < 80)
        return (1 << 21) | (1 << 16);
    return static_cast<unsigned>(((local.tm_year - 80) << 25) | ((local.tm_mon + 1) << 21) | (local.tm_mday << 16)
                                 | (local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
}

bool writeAll(int fd, const unsigned char *data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool isEncrypted(const RarArchive *rar)
{
    return archive_entry_is_encrypted(rar->entry) || archive_entry_is_data_encrypted(rar->entry);
}

// Reads the current entry's data, writing it to fd when fd >= 0. The bytes
// read must come to the declared size: a set missing later volumes can end
// short without an error.
int copyData(RarArchive *rar, int fd)
{
    if (isEncrypted(rar))
        return ERAR_BAD_DATA;
    const bool sized = archive_entry_size_is_set(rar->entry);
    const int64_t declared = archive_entry_size(rar->entry);
    int64_t total = 0;
    for (;;) {
        const la_ssize_t got = archive_read_data(rar->reader, rar->dataBuffer.data(), rar->dataBuffer.size());
        if (got == 0)
            break;
        if (got < 0)
            return rar->dataFailure();
        total += got;
        if (sized && total > declared)
            return ERAR_BAD_DATA;
        if (fd >= 0 && !writeAll(fd, rar->dataBuffer.data(), static_cast<size_t>(got)))
            return ERAR_EWRITE;
        if (rar->processData && rar->processData(rar->dataBuffer.data(), static_cast<int>(got)) == -1)
            return ERAR_UNKNOWN;
    }
    if (sized && total != declared)
        return rar->dataFailure();
    return ERAR_SUCCESS;
}

EntryKind kindOf(const RarArchive *rar)
{
    if (archive_entry_filetype(rar->entry) == AE_IFDIR)
        return EntryKind::Directory;
    if (archive_entry_filetype(rar->entry) == AE_IFLNK)
        return EntryKind::Link;
    return EntryKind::File;
}

void setTime(const std::string &path, const RarArchive *rar, bool isLink)
{
    if (!archive_entry_mtime_is_set(rar->entry))
        return;
    struct timespec times[2] = {};
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = archive_entry_mtime(rar->entry);
    times[1].tv_nsec = archive_entry_mtime_nsec(rar->entry);
    utimensat(AT_FDCWD, path.c_str(), times, isLink ? AT_SYMLINK_NOFOLLOW : 0);
}

// Writes a file beside its target and renames it into place, so that a
// failed or cancelled entry leaves nothing behind.
int writeFile(RarArchive *rar, const std::string &target)
{
    const std::string folder = QFileInfo(QString::fromStdString(target)).path().toStdString();
    std::string temporary = folder + "/.unrar-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        archive_read_data_skip(rar->reader);
        return ERAR_ECREATE;
    }
    int result = copyData(rar, fd);
    fchmod(fd, ExtractedFileMode(archive_entry_perm(rar->entry)));
    if (::close(fd) != 0 && result == ERAR_SUCCESS)
        result = ERAR_ECLOSE;
    if (result == ERAR_SUCCESS && std::rename(temporary.c_str(), target.c_str()) != 0)
        result = ERAR_ECREATE;
    if (result != ERAR_SUCCESS) {
        ::unlink(temporary.c_str());
        return result;
    }
    setTime(target, rar, false);
    return ERAR_SUCCESS;
}

int writeLink(RarArchive *rar, const std::string &target)
{
    archive_read_data_skip(rar->reader);
    struct stat info {};
    if (::lstat(target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode) || ::unlink(target.c_str()) != 0)
            return ERAR_ECREATE;
    }
    if (::symlink(rar->linkTarget.c_str(), target.c_str()) != 0)
        return ERAR_ECREATE;
    setTime(target, rar, true);
    return ERAR_SUCCESS;
}

int extractEntry(RarArchive *rar, const char *destPath, const char *destName)
{
    const EntryKind kind = kindOf(rar);
    std::string target;
    if (destName && *destName) {
        target = destName;
    } else {
        const QString base = destPath && *destPath ? QString::fromUtf8(destPath) : QDir::currentPath();
        const QString name = QString::fromStdString(rar->name);
        if (!EntryPathProblem(base, name, kind, QString::fromStdString(rar->linkTarget)).isEmpty()) {
            archive_read_data_skip(rar->reader);
            return ERAR_ECREATE;
        }
        target = QDir::cleanPath(base + QLatin1Char('/') + name).toStdString();
    }
    if (kind == EntryKind::Directory) {
        archive_read_data_skip(rar->reader);
        return QDir().mkpath(QString::fromStdString(target)) ? ERAR_SUCCESS : ERAR_ECREATE;
    }
    if (!QDir().mkpath(QFileInfo(QString::fromStdString(target)).path())) {
        archive_read_data_skip(rar->reader);
        return ERAR_ECREATE;
    }
    return kind == EntryKind::Link ? writeLink(rar, target) : writeFile(rar, target);
}

void fillHeader(const RarArchive *rar, RARHeaderData *header)
{
    char *const commentBuffer = header->CmtBuf;
    const unsigned commentBufferSize = header->CmtBufSize;
    std::memset(header, 0, sizeof *header);
    header->CmtBuf = commentBuffer;
    header->CmtBufSize = commentBufferSize;
    copyName(header->ArcName, rar->currentVolume);
    copyName(header->FileName, rar->name);
    if (isEncrypted(rar))
        header->Flags |= RHDF_ENCRYPTED;
    if (kindOf(rar) == EntryKind::Directory)
        header->Flags |= RHDF_DIRECTORY;
    header->PackSize = static_cast<unsigned>(rar->packSize);
    header->UnpSize = static_cast<unsigned>(rar->unpSize);
    header->HostOS = 3;
    header->FileTime = dosDateTime(archive_entry_mtime(rar->entry));
    header->UnpVer = archive_format(rar->reader) == ARCHIVE_FORMAT_RAR_V5 ? 50 : 29;
    header->FileAttr = archive_entry_mode(rar->entry);
}

} // namespace

extern "C" {

RarHandle RAROpenArchive(RAROpenArchiveData *archiveData)
{
    if (!archiveData)
        return nullptr;
    Utf8Locale utf8;
    archiveData->CmtSize = 0;
    archiveData->CmtState = 0;
    if (!archiveData->ArcName || !*archiveData->ArcName) {
        archiveData->OpenResult = ERAR_EOPEN;
        return nullptr;
    }
    auto rar = std::make_unique<RarArchive>();
    rar->openMode = archiveData->OpenMode;
    rar->currentVolume = archiveData->ArcName;
    rar->file = std::fopen(archiveData->ArcName, "rb");
    if (!rar->file) {
        archiveData->OpenResult = ERAR_EOPEN;
        return nullptr;
    }
    rar->volumeSet = RarVolumes::readSignature(rar->currentVolume).isVolume;
    rar->reader = archive_read_new();
    if (!rar->reader) {
        archiveData->OpenResult = ERAR_NO_MEMORY;
        return nullptr;
    }
    // Only the RAR readers: with all formats on, a RAR that stores a ZIP
    // would be read as that ZIP.
    archive_read_support_format_rar(rar->reader);
    archive_read_support_format_rar5(rar->reader);
    archive_read_set_callback_data(rar->reader, rar.get());
    archive_read_set_read_callback(rar->reader, readVolumes);
    archive_read_set_skip_callback(rar->reader, skipInVolume);
    if (archive_read_open1(rar->reader) != ARCHIVE_OK) {
        archiveData->OpenResult = ERAR_BAD_ARCHIVE;
        return nullptr;
    }
    archiveData->OpenResult = ERAR_SUCCESS;
    return rar.release();
}

int RARCloseArchive(RarHandle handle)
{
    Utf8Locale utf8;
    delete toArchive(handle);
    return ERAR_SUCCESS;
}

int RARReadHeader(RarHandle handle, RARHeaderData *headerData)
{
    RarArchive *rar = toArchive(handle);
    if (!rar || !headerData)
        return ERAR_UNKNOWN;
    if (rar->headerFailure)
        return rar->headerFailure;
    Utf8Locale utf8;
    rar->dataPending = false;
    rar->skipResult = ERAR_SUCCESS;
    archive_entry *entry = nullptr;
    const int status = archive_read_next_header(rar->reader, &entry);
    if (status == ARCHIVE_EOF) {
        rar->headerFailure = rar->volumeRefused ? ERAR_EOPEN : ERAR_END_ARCHIVE;
        return rar->headerFailure;
    }
    if (status < ARCHIVE_WARN) {
        rar->headerFailure = rar->dataFailure();
        return rar->headerFailure;
    }
    rar->entry = entry;
    const char *name = archive_entry_pathname_utf8(entry);
    if (!name)
        name = archive_entry_pathname(entry);
    rar->name = name ? name : "";
    const char *link = archive_entry_symlink_utf8(entry);
    if (!link)
        link = archive_entry_symlink(entry);
    rar->linkTarget = link ? link : "";
    rar->unpSize = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : 0;
    rar->packSize = 0;
    if (rar->openMode == RAR_OM_LIST) {
        // The packed size is what skipping the data consumes.
        const int64_t before = archive_filter_bytes(rar->reader, 0);
        if (archive_read_data_skip(rar->reader) < ARCHIVE_WARN)
            rar->skipResult = rar->dataFailure();
        rar->packSize = std::max<int64_t>(0, archive_filter_bytes(rar->reader, 0) - before);
    } else {
        rar->dataPending = true;
    }
    fillHeader(rar, headerData);
    return ERAR_SUCCESS;
}

int RARProcessFile(RarHandle handle, int operation, char *destPath, char *destName)
{
    RarArchive *rar = toArchive(handle);
    if (!rar || !rar->entry)
        return ERAR_UNKNOWN;
    Utf8Locale utf8;
    if (rar->openMode == RAR_OM_LIST)
        return rar->skipResult;
    if (!rar->dataPending)
        return ERAR_UNKNOWN;
    rar->dataPending = false;
    switch (operation) {
    case RAR_TEST:
        return copyData(rar, -1);
    case RAR_EXTRACT:
        return extractEntry(rar, destPath, destName);
    default:
        return archive_read_data_skip(rar->reader) < ARCHIVE_WARN ? rar->dataFailure() : ERAR_SUCCESS;
    }
}

void RARSetChangeVolProc(RarHandle handle, CHANGEVOLPROC changeVolProc)
{
    if (RarArchive *rar = toArchive(handle))
        rar->changeVolume = changeVolProc;
}

void RARSetProcessDataProc(RarHandle handle, PROCESSDATAPROC processDataProc)
{
    if (RarArchive *rar = toArchive(handle))
        rar->processData = processDataProc;
}

void RARSetPassword(RarHandle handle, char *password)
{
    // Kept only: libarchive's RAR readers cannot decrypt, and handing them
    // a passphrase makes the walk fail after an encrypted entry.
    RarArchive *rar = toArchive(handle);
    if (rar && password)
        rar->password = password;
}

int RARGetEntryDetails(RarHandle handle, int64_t *packSize, int64_t *unpSize, const char **fullName,
                       const char **linkTarget)
{
    RarArchive *rar = toArchive(handle);
    if (!rar || !rar->entry)
        return ERAR_UNKNOWN;
    if (packSize)
        *packSize = rar->packSize;
    if (unpSize)
        *unpSize = rar->unpSize;
    if (fullName)
        *fullName = rar->name.c_str();
    if (linkTarget)
        *linkTarget = rar->linkTarget.c_str();
    return ERAR_SUCCESS;
}

} // extern "C"
