#include "archive/zip/module/UnzipSession.h"

#include "archive/EntryNames.h"
#include "archive/safety/EntryPath.h"
#include "archive/safety/FileMode.h"
#include "archive/safety/RegularFile.h"
#include "platform/native/NewFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

namespace {

constexpr int kMaxHeaderFailures = 3;
constexpr size_t kReadBlock = 1 << 20;

std::string bounded(const char *text, size_t size)
{
    return std::string(text, strnlen(text, size));
}

// The reader's message in German where it is one of the common ones.
std::string errorText(archive *reader)
{
    const char *text = archive_error_string(reader);
    if (!text)
        return "unbekannter Fehler";
    const std::string message = text;
    const std::string unsupported = "Unsupported ZIP compression method";
    if (message.rfind(unsupported, 0) == 0)
        return "Packverfahren wird nicht unterstützt" + message.substr(unsupported.size());
    const struct {
        const char *part;
        const char *german;
    } known[] = {
        {"Passphrase required", "Passwort benötigt"},
        {"Incorrect passphrase", "Passwort falsch"},
        {"CRC", "CRC-Fehler, Daten beschädigt"},
        {"wrong size", "falsche Größe, Daten beschädigt"},
        {"decompression failed", "Daten beschädigt"},
        {"Damaged", "Archiv beschädigt"},
        {"Truncated", "Daten unvollständig, Archiv beschädigt"},
    };
    for (const auto &entry : known) {
        if (message.find(entry.part) != std::string::npos)
            return entry.german;
    }
    return message;
}

// As the directory reader decodes it: UTF-8 when flagged, given in a Unicode
// path field or valid as it stands, else code page 437.
std::string entryName(archive_entry *entry)
{
    const char *utf8 = archive_entry_pathname_utf8(entry);
    if (utf8 && IsUtf8(utf8, strlen(utf8)))
        return utf8;
    const char *raw = archive_entry_pathname(entry);
    return raw ? DecodeUnflaggedName(raw, strlen(raw)) : std::string();
}

bool isFolderEntry(archive_entry *entry, const std::string &name)
{
    return archive_entry_filetype(entry) == AE_IFDIR || (!name.empty() && name.back() == '/');
}

} // namespace

UnzipSession::UnzipSession(const UnzCommandRecord &command, UnzipJob job)
    : m_command(command)
    , m_job(std::move(job))
{
    if (m_job.targetFolder >= 0)
        m_target = std::make_unique<ExtractionTarget>(m_job.targetFolder);
}

bool UnzipSession::call(UnzCallbackRecord &record)
{
    record.windowHandle = m_command.windowHandle;
    record.caller = m_command.caller;
    record.version = UnzVersion;
    record.isZipOperation = 0;
    if (m_command.callback && m_command.callback(&record) != 0)
        m_cancelled = true;
    return !m_cancelled;
}

bool UnzipSession::report(int32_t action, int32_t code, const std::string &text, int64_t size)
{
    UnzCallbackRecord record{};
    record.actionCode = action;
    record.errorCode = code;
    record.fileSize = static_cast<int32_t>(size > INT32_MAX ? INT32_MAX : size);
    std::strncpy(record.fileNameOrMessage, text.c_str(), UnzMessageChars - 1);
    record.fullText = text.size() >= UnzMessageChars ? text.c_str() : nullptr;
    return call(record);
}

const char *UnzipSession::askPassword(archive *, void *data)
{
    auto *session = static_cast<UnzipSession *>(data);
    if (session->m_cancelled || !session->m_command.callback)
        return nullptr;
    UnzCallbackRecord record{};
    record.actionCode = UnzActionPassword;
    std::strncpy(record.fileNameOrMessage, session->m_entryName.c_str(), UnzMessageChars - 1);
    record.fullText = session->m_entryName.size() >= UnzMessageChars ? session->m_entryName.c_str() : nullptr;
    if (!session->call(record))
        return nullptr;
    const std::string answer = bounded(record.fileNameOrMessage, UnzPasswordChars - 1);
    std::vector<std::string> &answers = session->m_answers;
    if (answer.empty() || std::find(answers.begin(), answers.end(), answer) != answers.end())
        return nullptr;
    answers.push_back(answer);
    return answers.back().c_str();
}

bool UnzipSession::fail(Failure code, const std::string &name, const std::string &reason)
{
    // After the caller stopped the run, its entry's failure is no news.
    if (!m_cancelled)
        report(UnzActionMessage, code, "Fehler: " + name + ": " + reason);
    return false;
}

bool UnzipSession::skip(const std::string &name, const std::string &reason)
{
    report(UnzActionMessage, 0, "Übersprungen: " + name + ": " + reason);
    return false;
}

bool UnzipSession::wanted(const std::string &name) const
{
    for (const std::string &pattern : m_job.patterns) {
        if (pattern == "*.*" || pattern == "*" || pattern == name)
            return true;
        if (fnmatch(pattern.c_str(), name.c_str(), 0) == 0)
            return true;
    }
    return false;
}

int UnzipSession::run()
{
    archive *reader = archive_read_new();
    archive_read_support_format_zip_seekable(reader);
    if (m_command.password[0])
        archive_read_add_passphrase(reader, bounded(m_command.password, UnzPasswordChars).c_str());
    archive_read_set_passphrase_callback(reader, this, &UnzipSession::askPassword);
    const std::string &archiveName = m_job.archivePath;
    m_umask = CurrentUmask();
    int successes = 0;
    const int fd = OpenRegularFile(archiveName.c_str());
    if (fd < 0 || archive_read_open_fd(reader, fd, kReadBlock) != ARCHIVE_OK) {
        report(UnzActionMessage, ArchiveError,
               "Fehler: " + archiveName + ": " + (fd < 0 ? std::string(std::strerror(errno)) : errorText(reader)));
        archive_read_free(reader);
        if (fd >= 0)
            close(fd);
        report(UnzActionBatchEnds, 0, " ");
        return 0;
    }
    int failures = 0;
    while (!m_cancelled) {
        archive_entry *entry = nullptr;
        const int status = archive_read_next_header(reader, &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN) {
            report(UnzActionMessage, ArchiveError, "Fehler: " + archiveName + ": " + errorText(reader));
            if (status == ARCHIVE_FATAL || ++failures >= kMaxHeaderFailures)
                break;
            continue;
        }
        failures = 0;
        const std::string name = entryName(entry);
        if (!wanted(name))
            continue;
        m_entryName = name;
        m_answers.clear();
        if (!report(UnzActionFileBegins, 0, name, archive_entry_size(entry)))
            break;
        if (processEntry(reader, entry, name))
            ++successes;
    }
    archive_read_free(reader);
    close(fd);
    report(UnzActionBatchEnds, 0, " ");
    return successes;
}

bool UnzipSession::processEntry(archive *reader, archive_entry *entry, const std::string &name)
{
    m_stepBytes = 0;
    if (!m_command.test)
        return extractEntry(reader, entry, name);
    if (isFolderEntry(entry, name) || archive_entry_filetype(entry) == AE_IFLNK || readData(reader, -1, name)) {
        if (m_command.verbose)
            report(UnzActionMessage, 0, "OK: " + name);
        return true;
    }
    return false;
}

bool UnzipSession::extractEntry(archive *reader, archive_entry *entry, const std::string &name)
{
    if (!m_target)
        return fail(WriteError, name, WriteErrorText(ENOENT));
    std::vector<std::string> parts;
    if (const EntryPath::Problem problem = EntryPath::split(name, parts); problem != EntryPath::Problem::None)
        return fail(Refused, name, std::string(EntryPath::text(problem)) + ", nicht entpackt");
    ExtractFailure failure;
    if (isFolderEntry(entry, name)) {
        if (m_command.directories && !m_target->makeFolders(parts, failure))
            return fail(Refused, name, failure.text());
        return true;
    }
    if (!m_command.directories)
        parts.erase(parts.begin(), parts.end() - 1);
    const std::string path = EntryPath::join(parts, parts.size());
    if (m_target->taken(path))
        return fail(Refused, name, EntryPath::text(EntryPath::Problem::Repeated));
    const bool link = archive_entry_filetype(entry) == AE_IFLNK;
    const char *linkTarget = archive_entry_symlink_utf8(entry);
    if (!linkTarget)
        linkTarget = archive_entry_symlink(entry);
    if (link) {
        failure.problem = EntryPath::checkLink(parts, linkTarget ? linkTarget : "");
        if (failure.problem != EntryPath::Problem::None)
            return fail(Refused, name, failure.text() + ", nicht entpackt");
    }
    const int folder = m_target->folderOf(parts, failure);
    if (folder < 0)
        return fail(Refused, name, failure.text());
    const std::string &leaf = parts.back();
    // Update and freshen compare with what is there; otherwise what is
    // there shows when the entry is put in place.
    const bool compare = m_command.update || m_command.freshen;
    if (compare && !newerThanExisting(entry, name, folder, leaf))
        return false;
    const bool replace = compare || m_command.overwrite;
    if (link && !m_target->putSymlink(folder, leaf, linkTarget, replace, failure))
        return notPlaced(name, folder, leaf, failure.error);
    if (!link && !writeFile(reader, entry, name, folder, leaf, replace))
        return false;
    m_target->noteWritten(path, !link);
    if (m_command.verbose)
        report(UnzActionMessage, 0, "Entpackt: " + name);
    return true;
}

bool UnzipSession::readData(archive *reader, int fd, const std::string &name)
{
    const void *block = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    for (;;) {
        const int status = archive_read_data_block(reader, &block, &size, &offset);
        if (status == ARCHIVE_EOF)
            return true;
        if (status != ARCHIVE_OK)
            return fail(DataError, name, errorText(reader));
        if (fd >= 0) {
            const char *bytes = static_cast<const char *>(block);
            size_t done = 0;
            while (done < size) {
                const ssize_t n = pwrite(fd, bytes + done, size - done, offset + static_cast<la_int64_t>(done));
                if (n <= 0)
                    return fail(WriteError, name, WriteErrorText(errno));
                done += static_cast<size_t>(n);
            }
        }
        const int64_t before = m_stepBytes / UnzStepBytes;
        m_stepBytes += static_cast<int64_t>(size);
        for (int64_t step = before; step < m_stepBytes / UnzStepBytes; ++step) {
            if (!report(UnzActionStep, 0, " "))
                return fail(DataError, name, "abgebrochen");
        }
    }
}

bool UnzipSession::newerThanExisting(archive_entry *entry, const std::string &name, int folder, const std::string &leaf)
{
    struct stat existing {};
    const bool exists = ExtractionTarget::lookAt(folder, leaf, existing);
    if (exists && S_ISDIR(existing.st_mode))
        return fail(WriteError, name, WriteErrorText(EISDIR));
    const bool newer = !exists || archive_entry_mtime(entry) > existing.st_mtime;
    if (m_command.update)
        return newer || skip(name, "vorhandene Datei ist neuer");
    return (exists && newer) || skip(name, "nicht aufgefrischt");
}

bool UnzipSession::notPlaced(const std::string &name, int folder, const std::string &leaf, int error)
{
    struct stat existing {};
    if (error == EEXIST && ExtractionTarget::lookAt(folder, leaf, existing) && !S_ISDIR(existing.st_mode))
        return skip(name, "Datei existiert bereits");
    return fail(WriteError, name, WriteErrorText(error == EEXIST ? EISDIR : error));
}

bool UnzipSession::writeFile(archive *reader, archive_entry *entry, const std::string &name, int folder,
                             const std::string &leaf, bool replace)
{
    // A failed, cancelled or killed entry leaves nothing under its name.
    NewFile file(folder, leaf, ExtractedFileMode(archive_entry_perm(entry), m_umask));
    if (file.fd() < 0)
        return fail(WriteError, name, WriteErrorText(errno));
    if (!readData(reader, file.fd(), name))
        return false;
    if (archive_entry_size_is_set(entry) && m_stepBytes != archive_entry_size(entry))
        return fail(DataError, name, "Daten unvollständig");
    const struct timespec times[2] = {{archive_entry_mtime(entry), 0}, {archive_entry_mtime(entry), 0}};
    futimens(file.fd(), times);
    return file.publish(replace) || notPlaced(name, folder, leaf, errno);
}
