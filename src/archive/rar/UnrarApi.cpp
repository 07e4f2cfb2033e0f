#include "archive/rar/UnrarApi.h"

#include "archive/rar/RarBlocks.h"
#include "archive/rar/RarVolumes.h"
#include "archive/safety/EntryPath.h"
#include "archive/safety/ExtractionTarget.h"
#include "archive/safety/FileMode.h"
#include "archive/safety/RegularFile.h"
#include "platform/native/NewFile.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <locale.h>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>
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
constexpr size_t ReadBlock = 1 << 20;
constexpr size_t DataBlock = 256 * 1024;

enum class Kind { File, Directory, Symlink, HardLink, FileCopy };

// One entry of the archive as the blocks of all volumes describe it.
struct KnownEntry {
    RarBlocks::FileBlock block;
    int64_t packSize = 0;
};

// Local time as a DOS date-time. The offset from UTC is looked up once an
// hour of archive time: the lookup checks the time zone file each time.
class DosTime {
public:
    unsigned of(time_t time)
    {
        const time_t hour = time - time % 3600;
        if (hour != m_hour) {
            struct tm local {};
            m_offset = localtime_r(&time, &local) ? local.tm_gmtoff : 0;
            m_hour = hour;
        }
        const time_t shifted = time + m_offset;
        struct tm local {};
        if (!gmtime_r(&shifted, &local) || local.tm_year < 80)
            return (1 << 21) | (1 << 16);
        return static_cast<unsigned>(((local.tm_year - 80) << 25) | ((local.tm_mon + 1) << 21) | (local.tm_mday << 16)
                                     | (local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
    }

private:
    time_t m_hour = -1;
    long m_offset = 0;
};

// A volume whose blocks were read; its files went into the known entries.
struct ReadVolume {
    std::string name;
    RarBlocks::Volume blocks;
    bool endsInSplit = false;
};

struct RarArchive {
    archive *reader = nullptr;
    unsigned openMode = RAR_OM_LIST;
    std::string currentVolume;
    int fd = -1;
    std::vector<ReadVolume> volumes;
    size_t openVolume = 0;
    std::vector<KnownEntry> known;
    size_t entriesRead = 0;
    bool blocksAgree = true;
    bool volumeRefused = false;
    CHANGEVOLPROC changeVolume = nullptr;
    PROCESSDATAPROC processData = nullptr;
    archive_entry *entry = nullptr;
    int headerFailure = 0; // sticky: the walk never goes past a failure
    int skipResult = 0;    // list mode: result of skipping the current entry
    bool dataPending = false;

    // The current entry; blockIndex points into known when set.
    std::optional<size_t> blockIndex;
    Kind kind = Kind::File;
    int64_t unpSize = 0;
    std::string name;
    std::string linkTarget;
    bool encrypted = false;
    std::string problem;

    // Sizes of the files seen, for links to them; names tested whole.
    std::unordered_map<std::string, int64_t> sizes;
    std::unordered_set<std::string> tested;
    std::unique_ptr<ExtractionTarget> target;
    std::string targetPath;
    bool overwrite = true;
    mode_t umask = 022;
    DosTime dosTime;
    std::vector<unsigned char> readBuffer = std::vector<unsigned char>(ReadBlock);
    std::vector<unsigned char> dataBuffer = std::vector<unsigned char>(DataBlock);

    ~RarArchive()
    {
        if (reader)
            archive_read_free(reader);
        if (fd >= 0)
            close(fd);
    }
    int dataFailure() const { return volumeRefused ? ERAR_EOPEN : ERAR_BAD_DATA; }
    const RarBlocks::Volume &volume() const { return volumes[openVolume].blocks; }
    const KnownEntry *block() const { return blockIndex ? &known[*blockIndex] : nullptr; }
    int64_t packSize() const { return blockIndex ? known[*blockIndex].packSize : 0; }
};

RarArchive *toArchive(RarHandle handle)
{
    return static_cast<RarArchive *>(handle);
}

// The name a path is known by within the archive ("a//b/" is "a/b").
std::string normalName(const std::string &name)
{
    std::vector<std::string> parts;
    return EntryPath::split(name, parts) == EntryPath::Problem::None ? EntryPath::join(parts, parts.size()) : name;
}

// Reads a volume's blocks, once, in the order of the set.
void readVolume(RarArchive *rar, const std::string &name, int fd)
{
    RarBlocks::Volume volume = RarBlocks::Read(fd);
    const bool endsInSplit = !volume.files.empty() && volume.files.back().continues;
    for (RarBlocks::FileBlock &file : volume.files) {
        if (file.continued && !rar->known.empty()) {
            rar->known.back().packSize += file.packSize;
            continue;
        }
        const int64_t packSize = file.packSize;
        rar->known.push_back({std::move(file), packSize});
    }
    volume.files.clear();
    rar->volumes.push_back({name, std::move(volume), endsInSplit});
}

// Listing shows an entry's packed size before its data is skipped: the
// volumes its data goes on in are read ahead when they are there.
void readAheadFor(RarArchive *rar, size_t entry)
{
    while (entry + 1 == rar->known.size() && rar->volumes.back().endsInSplit) {
        const std::string next = RarVolumes::nextVolumeName(rar->volumes.back().name);
        const int fd = next.empty() ? -1 : OpenRegularFile(next.c_str());
        if (fd < 0)
            return;
        readVolume(rar, next, fd);
        close(fd);
    }
}

int askForVolume(RarArchive *rar, std::string &name, int mode)
{
    if (!rar->changeVolume)
        return mode == RAR_VOL_NOTIFY;
    std::vector<char> buffer(RarVolumeNameSize, '\0');
    std::strncpy(buffer.data(), name.c_str(), buffer.size() - 1);
    const int answer = rar->changeVolume(buffer.data(), mode);
    name = buffer.data();
    return answer;
}

// Opens the volume after the current one, asking through the callback while
// it is missing. False when there is none or the user refused it.
bool openNextVolume(RarArchive *rar)
{
    std::string next = RarVolumes::nextVolumeName(rar->currentVolume);
    if (next.empty()) {
        rar->volumeRefused = true;
        return false;
    }
    int fd = OpenRegularFile(next.c_str());
    for (int asked = 0; fd < 0; ++asked) {
        if (asked == MaxVolumeQuestions || askForVolume(rar, next, RAR_VOL_ASK) == 0) {
            rar->volumeRefused = true;
            return false;
        }
        fd = OpenRegularFile(next.c_str());
    }
    close(rar->fd);
    rar->fd = fd;
    rar->currentVolume = next;
    if (++rar->openVolume == rar->volumes.size())
        readVolume(rar, next, fd);
    if (askForVolume(rar, next, RAR_VOL_NOTIFY) == 0) {
        rar->volumeRefused = true;
        return false;
    }
    return true;
}

// The volumes read as one stream where an entry's data goes on in the next
// one; elsewhere a volume's end is the end of the stream.
la_ssize_t readVolumes(archive *reader, void *data, const void **block)
{
    auto *rar = static_cast<RarArchive *>(data);
    while (rar->fd >= 0) {
        const ssize_t got = ::read(rar->fd, rar->readBuffer.data(), rar->readBuffer.size());
        if (got > 0) {
            *block = rar->readBuffer.data();
            return got;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            archive_set_error(reader, errno, "read error");
            return -1;
        }
        if (!rar->volumes[rar->openVolume].endsInSplit || !openNextVolume(rar))
            return 0;
    }
    return 0;
}

// Skips within the current volume; libarchive reads across a volume's end.
la_int64_t skipInVolume(archive *, void *data, la_int64_t request)
{
    auto *rar = static_cast<RarArchive *>(data);
    const off_t position = lseek(rar->fd, 0, SEEK_CUR);
    struct stat info {};
    if (position < 0 || fstat(rar->fd, &info) != 0)
        return 0;
    const la_int64_t skipped = std::max<la_int64_t>(0, std::min<la_int64_t>(request, info.st_size - position));
    lseek(rar->fd, position + skipped, SEEK_SET);
    return skipped;
}

// A reader of the stream from where it stands: only the RAR formats, or a
// RAR that stores a ZIP would be read as that ZIP.
bool startReader(RarArchive *rar)
{
    if (rar->reader)
        archive_read_free(rar->reader);
    rar->reader = archive_read_new();
    if (!rar->reader)
        return false;
    archive_read_support_format_rar(rar->reader);
    archive_read_support_format_rar5(rar->reader);
    archive_read_set_callback_data(rar->reader, rar);
    archive_read_set_read_callback(rar->reader, readVolumes);
    archive_read_set_skip_callback(rar->reader, skipInVolume);
    return archive_read_open1(rar->reader) == ARCHIVE_OK;
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

int fail(RarArchive *rar, int code, const std::string &problem)
{
    rar->problem = problem;
    return code;
}

// Reads the current entry's data, writing it to fd when fd >= 0. The bytes
// read must come to the declared size: a set missing later volumes can end
// short without an error.
int copyData(RarArchive *rar, int fd)
{
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
        if (fd >= 0 && !WriteAll(fd, rar->dataBuffer.data(), static_cast<size_t>(got)))
            return fail(rar, ERAR_EWRITE, WriteErrorText(errno));
        if (rar->processData && rar->processData(rar->dataBuffer.data(), static_cast<int>(got)) == -1)
            return ERAR_UNKNOWN;
    }
    if (sized && total != declared)
        return rar->dataFailure();
    return ERAR_SUCCESS;
}

// Folders, links and empty files carry no data to read.
bool carriesData(const RarArchive *rar)
{
    return rar->kind == Kind::File && rar->unpSize > 0;
}

int testEntry(RarArchive *rar)
{
    if (rar->encrypted)
        return ERAR_BAD_DATA;
    if (rar->kind == Kind::HardLink || rar->kind == Kind::FileCopy) {
        if (!rar->tested.count(normalName(rar->linkTarget)))
            return fail(rar, ERAR_BAD_DATA, EntryPath::text(EntryPath::Problem::LinkTargetMissing));
    } else if (carriesData(rar)) {
        if (const int result = copyData(rar, -1); result != ERAR_SUCCESS)
            return result;
    }
    if (rar->kind != Kind::Directory)
        rar->tested.insert(normalName(rar->name));
    return ERAR_SUCCESS;
}

void setTimes(const RarArchive *rar, int fd, int folder, const std::string &leaf)
{
    if (!archive_entry_mtime_is_set(rar->entry))
        return;
    struct timespec times[2] = {};
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = archive_entry_mtime(rar->entry);
    times[1].tv_nsec = archive_entry_mtime_nsec(rar->entry);
    if (fd >= 0)
        futimens(fd, times);
    else
        utimensat(folder, leaf.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

int writeFile(RarArchive *rar, int folder, const std::string &leaf)
{
    NewFile file(folder, leaf, ExtractedFileMode(archive_entry_perm(rar->entry), rar->umask));
    if (file.fd() < 0)
        return fail(rar, ERAR_ECREATE, WriteErrorText(errno));
    if (carriesData(rar)) {
        if (const int result = copyData(rar, file.fd()); result != ERAR_SUCCESS)
            return result;
    }
    setTimes(rar, file.fd(), folder, leaf);
    if (!file.publish(rar->overwrite))
        return fail(rar, ERAR_ECREATE, WriteErrorText(errno));
    return ERAR_SUCCESS;
}

// The target folder of destPath (the current folder when none), kept open
// for the entries that follow.
ExtractionTarget *targetFor(RarArchive *rar, const std::string &path)
{
    if (rar->target && rar->targetPath == path)
        return rar->target.get();
    rar->target.reset();
    const int fd = ExtractionTarget::openFolder(path.c_str());
    if (fd < 0)
        return nullptr;
    rar->target = std::make_unique<ExtractionTarget>(fd);
    rar->targetPath = path;
    return rar->target.get();
}

int placeEntry(RarArchive *rar, ExtractionTarget &target, const std::vector<std::string> &parts)
{
    ExtractFailure failure;
    if (rar->kind == Kind::Directory)
        return target.makeFolders(parts, failure) ? ERAR_SUCCESS : fail(rar, ERAR_ECREATE, failure.text());
    const std::string path = EntryPath::join(parts, parts.size());
    if (target.taken(path))
        return fail(rar, ERAR_ECREATE, EntryPath::text(EntryPath::Problem::Repeated));
    if (rar->kind == Kind::Symlink)
        failure.problem = EntryPath::checkLink(parts, rar->linkTarget);
    const int folder = failure.problem == EntryPath::Problem::None ? target.folderOf(parts, failure) : -1;
    if (folder < 0)
        return fail(rar, ERAR_ECREATE, failure.text());
    const std::string &leaf = parts.back();
    if (rar->kind == Kind::File) {
        const int result = writeFile(rar, folder, leaf);
        if (result == ERAR_SUCCESS)
            target.noteWritten(path, true);
        return result;
    }
    const bool placed =
        rar->kind == Kind::Symlink
            ? target.putSymlink(folder, leaf, rar->linkTarget, rar->overwrite, failure)
            : target.putHardLink(folder, leaf, rar->linkTarget, rar->kind == Kind::FileCopy, rar->overwrite, failure);
    if (!placed)
        return fail(rar, ERAR_ECREATE, failure.text());
    if (rar->kind == Kind::Symlink)
        setTimes(rar, -1, folder, leaf);
    target.noteWritten(path, rar->kind != Kind::Symlink);
    return ERAR_SUCCESS;
}

int extractEntry(RarArchive *rar, const char *destPath, const char *destName)
{
    if (rar->encrypted)
        return ERAR_BAD_DATA;
    std::vector<std::string> parts;
    std::string folder = destPath && *destPath ? destPath : ".";
    if (destName && *destName) {
        const std::string whole = destName;
        const size_t slash = whole.rfind('/');
        folder = slash == std::string::npos ? "." : slash == 0 ? "/" : whole.substr(0, slash);
        parts.push_back(whole.substr(slash == std::string::npos ? 0 : slash + 1));
    } else if (const EntryPath::Problem problem = EntryPath::split(rar->name, parts);
               problem != EntryPath::Problem::None) {
        return fail(rar, ERAR_ECREATE, EntryPath::text(problem));
    }
    ExtractionTarget *target = targetFor(rar, folder);
    if (!target)
        return fail(rar, ERAR_ECREATE, WriteErrorText(errno));
    return placeEntry(rar, *target, parts);
}

Kind kindOf(const RarArchive *rar)
{
    if (archive_entry_filetype(rar->entry) == AE_IFDIR)
        return Kind::Directory;
    if (archive_entry_filetype(rar->entry) == AE_IFLNK)
        return Kind::Symlink;
    const KnownEntry *known = rar->block();
    const RarBlocks::Redirect redirect = known ? known->block.redirect : RarBlocks::Redirect::None;
    if (redirect == RarBlocks::Redirect::HardLink || archive_entry_hardlink(rar->entry))
        return Kind::HardLink;
    return redirect == RarBlocks::Redirect::FileCopy ? Kind::FileCopy : Kind::File;
}

// Takes the current entry from libarchive and the volumes' blocks.
void describeEntry(RarArchive *rar, archive_entry *entry)
{
    rar->entry = entry;
    const size_t index = rar->entriesRead++;
    rar->blockIndex.reset();
    if (rar->blocksAgree && index < rar->known.size()
        && rar->known[index].block.directory == (archive_entry_filetype(entry) == AE_IFDIR))
        rar->blockIndex = index;
    else
        rar->blocksAgree = false;
    const RarBlocks::FileBlock *block = rar->blockIndex ? &rar->known[index].block : nullptr;
    const char *name = archive_entry_pathname_utf8(entry);
    if (!name)
        name = archive_entry_pathname(entry);
    rar->name = block && !block->name.empty() ? block->name : name ? name : "";
    const char *link = archive_entry_symlink_utf8(entry);
    if (!link)
        link = archive_entry_hardlink_utf8(entry);
    rar->linkTarget = link ? link : "";
    if (block && block->redirect != RarBlocks::Redirect::None)
        rar->linkTarget = block->redirectTarget;
    rar->kind = kindOf(rar);
    rar->encrypted =
        archive_entry_is_encrypted(entry) || archive_entry_is_data_encrypted(entry) || (block && block->encrypted);
    rar->unpSize = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : 0;
    if (rar->kind == Kind::Symlink)
        rar->unpSize = int64_t(rar->linkTarget.size());
    if (rar->kind == Kind::HardLink || rar->kind == Kind::FileCopy) {
        const auto found = rar->sizes.find(normalName(rar->linkTarget));
        rar->unpSize = found == rar->sizes.end() ? 0 : found->second;
    }
    if (rar->kind == Kind::File)
        rar->sizes[normalName(rar->name)] = rar->unpSize;
}

// Whether the walk has seen every entry of a complete archive.
bool reachedTheEnd(const RarArchive *rar)
{
    if (!rar->blocksAgree)
        return true;
    return rar->volume().complete() && rar->entriesRead == rar->known.size();
}

int endOfArchive(RarArchive *rar)
{
    if (rar->volumeRefused)
        return ERAR_EOPEN;
    return reachedTheEnd(rar) ? ERAR_END_ARCHIVE : ERAR_BAD_DATA;
}

void fillHeader(RarArchive *rar, RARHeaderData *header)
{
    char *const commentBuffer = header->CmtBuf;
    const unsigned commentBufferSize = header->CmtBufSize;
    std::memset(header, 0, sizeof *header);
    header->CmtBuf = commentBuffer;
    header->CmtBufSize = commentBufferSize;
    copyName(header->ArcName, rar->currentVolume);
    copyName(header->FileName, rar->name);
    if (rar->encrypted)
        header->Flags |= RHDF_ENCRYPTED;
    if (rar->kind == Kind::Directory)
        header->Flags |= RHDF_DIRECTORY;
    header->PackSize = static_cast<unsigned>(rar->packSize());
    header->UnpSize = static_cast<unsigned>(rar->unpSize);
    header->HostOS = 3;
    header->FileTime = rar->dosTime.of(archive_entry_mtime(rar->entry));
    header->UnpVer = archive_format(rar->reader) == ARCHIVE_FORMAT_RAR_V5 ? 50 : 29;
    header->FileAttr = archive_entry_mode(rar->entry);
}

void reportComment(const RarBlocks::Volume &volume, RAROpenArchiveData *data)
{
    if (volume.comment == RarBlocks::Comment::None)
        return;
    if (volume.comment == RarBlocks::Comment::Packed) {
        data->CmtState = ERAR_UNKNOWN_FORMAT;
        return;
    }
    if (!data->CmtBuf || data->CmtBufSize == 0)
        return;
    const size_t size = std::min<size_t>(volume.commentText.size(), data->CmtBufSize - 1);
    std::memcpy(data->CmtBuf, volume.commentText.data(), size);
    data->CmtBuf[size] = '\0';
    data->CmtSize = unsigned(size + 1);
    data->CmtState = volume.commentText.size() < data->CmtBufSize ? 1 : ERAR_SMALL_BUF;
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
    rar->umask = CurrentUmask();
    rar->fd = OpenRegularFile(archiveData->ArcName);
    if (rar->fd < 0) {
        archiveData->OpenResult = ERAR_EOPEN;
        return nullptr;
    }
    readVolume(rar.get(), rar->currentVolume, rar->fd);
    if (!rar->volume().rar) {
        archiveData->OpenResult = ERAR_BAD_ARCHIVE;
        return nullptr;
    }
    if (rar->volume().headersEncrypted) {
        archiveData->OpenResult = ERAR_ENCRYPTED;
        return nullptr;
    }
    reportComment(rar->volume(), archiveData);
    if (!startReader(rar.get())) {
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
    int status = archive_read_next_header(rar->reader, &entry);
    // An entry that begins a volume of its own starts a new stream.
    while (status == ARCHIVE_EOF && rar->volume().moreVolumes && !rar->volumeRefused && openNextVolume(rar)) {
        if (!startReader(rar)) {
            rar->headerFailure = ERAR_BAD_DATA;
            return rar->headerFailure;
        }
        status = archive_read_next_header(rar->reader, &entry);
    }
    if (status == ARCHIVE_EOF) {
        rar->headerFailure = endOfArchive(rar);
        return rar->headerFailure;
    }
    if (status < ARCHIVE_WARN) {
        rar->headerFailure = rar->dataFailure();
        return rar->headerFailure;
    }
    describeEntry(rar, entry);
    if (rar->openMode == RAR_OM_LIST) {
        if (rar->blockIndex)
            readAheadFor(rar, *rar->blockIndex);
        if (archive_read_data_skip(rar->reader) < ARCHIVE_WARN)
            rar->skipResult = rar->dataFailure();
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
    rar->problem.clear();
    if (rar->openMode == RAR_OM_LIST)
        return rar->skipResult;
    if (!rar->dataPending)
        return ERAR_UNKNOWN;
    rar->dataPending = false;
    switch (operation) {
    case RAR_TEST:
        return testEntry(rar);
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

void RARSetPassword(RarHandle, char *)
{
    // libarchive's RAR readers cannot decrypt: encrypted entries fail
    // whatever password is given.
}

int RARGetEntryDetails(RarHandle handle, int64_t *packSize, int64_t *unpSize, const char **fullName,
                       const char **linkTarget)
{
    RarArchive *rar = toArchive(handle);
    if (!rar || !rar->entry)
        return ERAR_UNKNOWN;
    if (packSize)
        *packSize = rar->packSize();
    if (unpSize)
        *unpSize = rar->unpSize;
    if (fullName)
        *fullName = rar->name.c_str();
    if (linkTarget)
        *linkTarget = rar->linkTarget.c_str();
    return ERAR_SUCCESS;
}

void RARSetOverwrite(RarHandle handle, int overwrite)
{
    if (RarArchive *rar = toArchive(handle))
        rar->overwrite = overwrite != 0;
}

const char *RARGetEntryProblem(RarHandle handle)
{
    RarArchive *rar = toArchive(handle);
    return rar ? rar->problem.c_str() : "";
}

} // extern "C"
