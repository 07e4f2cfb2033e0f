#include "UnzipSession.h"

#include "../../ExtractedFileMode.h"
#include "../Cp437Table.h"
#include "NewFile.h"
#include "SafePath.h"

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

// Strict UTF-8: no overlong forms, surrogates or values past U+10FFFF.
bool isUtf8(const unsigned char *text)
{
    while (*text) {
        const unsigned char lead = *text++;
        if (lead < 0x80)
            continue;
        int following = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        for (int i = 0; i < following; ++i, ++text) {
            if (*text < (i == 0 ? low : 0x80) || *text > (i == 0 ? high : 0xBF))
                return false;
        }
    }
    return true;
}

std::string fromCp437(const unsigned char *text)
{
    std::string name;
    for (; *text; ++text) {
        const char16_t c = *text < 0x80 ? *text : Cp437UpperHalf[*text - 0x80];
        if (c < 0x80) {
            name += static_cast<char>(c);
        } else if (c < 0x800) {
            name += static_cast<char>(0xC0 | (c >> 6));
            name += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            name += static_cast<char>(0xE0 | (c >> 12));
            name += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            name += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return name;
}

// As the directory reader decodes it: UTF-8 when flagged, given in a Unicode
// path field or valid as it stands, else code page 437.
std::string entryName(archive_entry *entry)
{
    const auto *utf8 = reinterpret_cast<const unsigned char *>(archive_entry_pathname_utf8(entry));
    if (utf8 && isUtf8(utf8))
        return reinterpret_cast<const char *>(utf8);
    const auto *raw = reinterpret_cast<const unsigned char *>(archive_entry_pathname(entry));
    if (!raw)
        return {};
    return isUtf8(raw) ? reinterpret_cast<const char *>(raw) : fromCp437(raw);
}

bool isFolderEntry(archive_entry *entry, const std::string &name)
{
    return archive_entry_filetype(entry) == AE_IFDIR || (!name.empty() && name.back() == '/');
}

} // namespace

UnzipSession::UnzipSession(const UnzCommandRecord &command, std::string root)
    : m_command(command)
    , m_root(std::move(root))
{
    for (int i = 0; i < command.argumentCount && command.names; ++i)
        m_patterns.push_back(bounded(command.names[i], UnzNameChars));
}

UnzipSession::~UnzipSession()
{
    if (m_folderFd >= 0)
        close(m_folderFd);
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
    for (const std::string &pattern : m_patterns) {
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
    const std::string archiveName = bounded(m_command.archiveName, UnzNameChars);
    int successes = 0;
    if (archive_read_open_filename(reader, archiveName.c_str(), 1 << 16) != ARCHIVE_OK) {
        report(UnzActionMessage, ArchiveError, "Fehler: " + archiveName + ": " + errorText(reader));
        archive_read_free(reader);
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
    report(UnzActionBatchEnds, 0, " ");
    return successes;
}

bool UnzipSession::processEntry(archive *reader, archive_entry *entry, const std::string &name)
{
    m_stepBytes = 0;
    const bool folder = isFolderEntry(entry, name);
    if (m_command.test) {
        if (folder || archive_entry_filetype(entry) == AE_IFLNK || readData(reader, -1, name)) {
            if (m_command.verbose)
                report(UnzActionMessage, 0, "OK: " + name);
            return true;
        }
        return false;
    }
    std::vector<std::string> parts;
    if (!SafePath::splitEntryName(name, parts))
        return fail(Refused, name, "Pfad außerhalb des Zielverzeichnisses, nicht entpackt");
    if (folder) {
        if (m_command.directories && !SafePath::makeFolders(m_root, parts, parts.size()))
            return fail(Refused, name, "Verzeichnis kann nicht angelegt werden");
        return true;
    }
    if (!m_command.directories)
        parts.erase(parts.begin(), parts.end() - 1);
    if (!enterFolder(parts))
        return fail(Refused, name, "Verzeichnis kann nicht angelegt werden oder ist ein Link");
    const bool written = archive_entry_filetype(entry) == AE_IFLNK ? writeLink(entry, name, parts)
                                                                   : writeFile(reader, entry, name, parts);
    if (written && m_command.verbose)
        report(UnzActionMessage, 0, "Entpackt: " + name);
    return written;
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
                    return fail(WriteError, name, std::strerror(errno));
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

bool UnzipSession::enterFolder(const std::vector<std::string> &parts)
{
    // The folder stays open for the entries that follow in it: nothing put
    // there later (a link) redirects them.
    const std::string folderPath = SafePath::join(m_root, parts, parts.size() - 1);
    if (folderPath == m_folderPath && m_folderFd >= 0)
        return true;
    if (m_folderFd >= 0)
        close(m_folderFd);
    m_folderPath.clear();
    m_folderFd = -1;
    if (!SafePath::makeFolders(m_root, parts, parts.size() - 1))
        return false;
    m_folderFd = open(folderPath.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (m_folderFd < 0)
        return false;
    m_folderPath = folderPath;
    return true;
}

bool UnzipSession::mayReplace(const std::string &leaf, archive_entry *entry, const std::string &name, bool &exists)
{
    struct stat info {};
    exists = fstatat(m_folderFd, leaf.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISDIR(info.st_mode))
        return fail(WriteError, name, "ein Verzeichnis dieses Namens existiert bereits");
    const bool newer = !exists || archive_entry_mtime(entry) > info.st_mtime;
    if (m_command.update)
        return newer || skip(name, "vorhandene Datei ist neuer");
    if (m_command.freshen)
        return (exists && newer) || skip(name, "nicht aufgefrischt");
    if (exists && !m_command.overwrite)
        return skip(name, "Datei existiert bereits");
    return true;
}

bool UnzipSession::writeFile(archive *reader, archive_entry *entry, const std::string &name,
                             const std::vector<std::string> &parts)
{
    bool exists = false;
    if (!mayReplace(parts.back(), entry, name, exists))
        return false;
    // A failed or cancelled entry leaves nothing behind.
    NewFile file(m_folderFd, m_folderPath, parts.back(),
                 archive_entry_size_is_set(entry) ? archive_entry_size(entry) : -1, exists);
    if (file.fd() < 0)
        return fail(WriteError, name, std::strerror(errno));
    bool ok = readData(reader, file.fd(), name);
    if (ok && archive_entry_size_is_set(entry) && m_stepBytes != archive_entry_size(entry))
        ok = fail(DataError, name, "Daten unvollständig");
    if (!ok)
        return false;
    fchmod(file.fd(), ExtractedFileMode(archive_entry_perm(entry)));
    const struct timespec times[2] = {{archive_entry_mtime(entry), 0}, {archive_entry_mtime(entry), 0}};
    futimens(file.fd(), times);
    return file.publish() || fail(WriteError, name, std::strerror(errno));
}

bool UnzipSession::writeLink(archive_entry *entry, const std::string &name, const std::vector<std::string> &parts)
{
    const char *target = archive_entry_symlink_utf8(entry);
    if (!target)
        target = archive_entry_symlink(entry);
    if (!target || !SafePath::linkStaysInside(parts, target))
        return fail(Refused, name, "Link zeigt aus dem Zielverzeichnis heraus, nicht entpackt");
    bool exists = false;
    if (!mayReplace(parts.back(), entry, name, exists))
        return false;
    if (exists)
        unlinkat(m_folderFd, parts.back().c_str(), 0);
    if (symlinkat(target, m_folderFd, parts.back().c_str()) != 0)
        return fail(WriteError, name, std::strerror(errno));
    return true;
}
