#include "tree/scan/CatalogueScanner.h"

#include "common/CommandLinePaths.h"
#include "common/FileUtils.h"
#include "platform/FileSystem.h"
#include "platform/Volumes.h"
#include "tree/scan/DesktopEntry.h"
#include "tree/scan/FileClassifier.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kDesktopFileLimit = 64 * 1024;
constexpr unsigned kFacts = STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_MTIME | STATX_INO;

// One name of a folder with the facts of one status query.
struct Listed {
    QByteArray rawName;
    QString name;
    quint32 mode = 0;
    qint64 size = 0;
    qint64 modifiedMs = -1;
    quint64 device = 0;
    quint64 inode = 0;

    bool isFolder() const { return S_ISDIR(mode); }
};

Listed listedFrom(const char *rawName, const struct statx &facts)
{
    Listed item;
    item.rawName = rawName;
    item.name = QFile::decodeName(rawName);
    item.mode = facts.stx_mode;
    item.size = qint64(facts.stx_size);
    if (facts.stx_mask & STATX_MTIME)
        item.modifiedMs = qint64(facts.stx_mtime.tv_sec) * 1000 + facts.stx_mtime.tv_nsec / 1'000'000;
    item.device = (quint64(facts.stx_dev_major) << 32) | facts.stx_dev_minor;
    item.inode = facts.stx_ino;
    return item;
}

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

QString canonical(const QString &path)
{
    char resolved[PATH_MAX];
    if (!::realpath(QFile::encodeName(path).constData(), resolved))
        return {};
    return QFile::decodeName(resolved);
}

QString reasonFor(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("Zugriff verweigert");
    case ENOENT:
        return QStringLiteral("nicht mehr vorhanden");
    case ENOTDIR:
        return QStringLiteral("kein Ordner");
    case EIO:
        return QStringLiteral("Lesefehler des Datenträgers");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("zu viele offene Dateien");
    case ENAMETOOLONG:
        return QStringLiteral("Pfad zu lang");
    default:
        return QStringLiteral("Systemfehler %1").arg(error);
    }
}

// The first bytes of a regular file; never waits on anything else.
QByteArray readStart(int folder, const char *name, int flags, int limit)
{
    const int fd = ::openat(folder, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | flags);
    if (fd < 0)
        return {};
    QByteArray bytes(limit, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < limit) {
        const ssize_t got = ::read(fd, bytes.data() + filled, size_t(limit - filled));
        if (got <= 0)
            break;
        filled += got;
    }
    ::close(fd);
    bytes.truncate(filled);
    return bytes;
}

// A name a command line keeps as it is: the project file trims lines, ends
// them at line breaks and takes a backslash for the separator, and it stores
// text, not the bytes of a name in another encoding.
bool isStorable(const Listed &item)
{
    const QString &name = item.name;
    return !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r'))
           && !name.back().isSpace() && QFile::encodeName(name) == item.rawName;
}

bool isLauncherName(const QString &name)
{
    return name.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive);
}

bool hasPictureSuffix(const QString &name)
{
    for (const char *suffix : {".png", ".bmp", ".xpm"}) {
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Walks one chosen folder; see ScanForCatalogue.
class Scanner {
public:
    Scanner(const CatalogueOptions &options, const OperationObserver &observer, CatalogueScan &result)
        : m_options(options)
        , m_observer(observer)
        , m_pump(observer.runPendingEvents)
        , m_result(result)
    {
        for (const QString &path : options.leftOut)
            m_leftOut.insert(FileSystem::fullPath(path));
    }

    void run(const QString &folder)
    {
        m_root = canonical(folder);
        m_result.folder = m_root.isEmpty() ? folder : m_root;
        struct statx facts {};
        if (m_root.isEmpty() || ::statx(AT_FDCWD, QFile::encodeName(m_root).constData(), 0, kFacts, &facts) != 0) {
            m_result.error = reasonFor(errno);
            return;
        }
        if (!S_ISDIR(facts.stx_mode)) {
            m_result.error = reasonFor(ENOTDIR);
            return;
        }
        const Listed root = listedFrom("", facts);
        m_visited.insert({root.device, root.inode});
        const int error = scanFolder(m_root, *m_result.root, 0);
        if (error != 0)
            m_result.error = reasonFor(error);
        m_observer.setProgress(100);
    }

private:
    // The proposals of folder's contents go into into; errno when folder
    // cannot be read, else 0.
    int scanFolder(const QString &folder, CatalogueItem &into, int depth)
    {
        m_observer.setStatus(folder);
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return errno;
        DIR *dir = ::fdopendir(fd);
        if (!dir) {
            const int error = errno;
            ::close(fd);
            return error;
        }
        std::vector<Listed> listed = listFolder(dir, folder);
        const bool onDrive = Volumes::sameVolume(Volumes::volumeOf(folder), m_options.drive);
        // Folders first; among the files launchers first, so that the
        // programs they start are known when those come.
        const auto folders =
            std::stable_partition(listed.begin(), listed.end(), [](const Listed &item) { return item.isFolder(); });
        std::stable_partition(folders, listed.end(), [](const Listed &item) { return isLauncherName(item.name); });
        for (auto file = folders; file != listed.end() && keepGoing(); ++file)
            addFile(dir, folder, *file, onDrive, into);
        ::closedir(dir);

        const int files = into.childCount();
        const qint64 folderCount = folders - listed.begin();
        for (auto sub = listed.begin(); sub != folders && keepGoing(); ++sub) {
            reportProgress(depth, sub - listed.begin(), folderCount);
            addFolder(folder, *sub, into, depth);
        }
        into.moveToFront(files);
        reportProgress(depth, folderCount, folderCount);
        return 0;
    }

    std::vector<Listed> listFolder(DIR *dir, const QString &folder)
    {
        std::vector<Listed> listed;
        const int fd = ::dirfd(dir);
        while (const dirent *entry = ::readdir(dir)) {
            const char *name = entry->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            if (name[0] == '.' && !m_options.includeHidden)
                continue;
            // Pipes, devices and sockets are never proposed nor opened.
            if (entry->d_type == DT_FIFO || entry->d_type == DT_CHR || entry->d_type == DT_BLK
                || entry->d_type == DT_SOCK)
                continue;
            struct statx facts {};
            if (::statx(fd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, kFacts, &facts) != 0)
                continue; // gone since it was read
            Listed item = listedFrom(name, facts);
            if (isStorable(item))
                listed.push_back(std::move(item));
            else
                m_result.skipped.append({joined(folder, item.name), QStringLiteral("Name nicht speicherbar")});
            if (!keepGoing())
                break;
        }
        std::sort(listed.begin(), listed.end(), [](const Listed &a, const Listed &b) {
            const int order = a.name.compare(b.name, Qt::CaseInsensitive);
            return order != 0 ? order < 0 : a.name < b.name;
        });
        return listed;
    }

    bool keepGoing()
    {
        m_pump.poll();
        if (!m_result.cancelled && !m_observer.shouldContinue())
            m_result.cancelled = true;
        return !m_result.cancelled;
    }

    // Share of the work done, from the first two levels of folders.
    void reportProgress(int depth, qint64 done, qint64 total)
    {
        if (depth > 1)
            return;
        if (depth == 0) {
            m_topDone = done;
            m_topTotal = total;
            m_innerShare = 0;
        } else {
            m_innerShare = total > 0 ? double(done) / double(total) : 1.0;
        }
        const double share = m_topTotal > 0 ? (double(m_topDone) + m_innerShare) / double(m_topTotal) : 1.0;
        const int percent = qBound(0, int(share * 100), 100);
        if (percent != m_percent) {
            m_percent = percent;
            m_observer.setProgress(percent);
        }
    }

    QString stored(const QString &fullPath, bool onDrive) const
    {
        return onDrive ? DriveIndependentPath(m_options.drive, fullPath) : fullPath;
    }

    bool isLeftOut(const QString &fullPath) const { return !m_leftOut.isEmpty() && m_leftOut.contains(fullPath); }

    bool isInside(const QString &path) const
    {
        return path == m_root || path.startsWith(m_root == QLatin1String("/") ? m_root : m_root + QLatin1Char('/'));
    }

    bool isDuplicate(const QString &fullCommand)
    {
        if (!m_options.existingCommands.contains(fullCommand))
            return false;
        ++m_result.duplicates;
        return true;
    }

    void addFolder(const QString &parent, const Listed &listed, CatalogueItem &into, int depth)
    {
        const QString path = joined(parent, listed.name);
        if (isLeftOut(path) || m_visited.contains({listed.device, listed.inode}))
            return;
        m_visited.insert({listed.device, listed.inode});
        auto item = std::make_unique<CatalogueItem>(CatalogueKind::Folder);
        item->title = listed.name;
        item->command = stored(path, Volumes::sameVolume(Volumes::volumeOf(path), m_options.drive));
        item->typeName = QStringLiteral("Ordner");
        item->modifiedMs = listed.modifiedMs;
        const int error = scanFolder(path, *item, depth + 1);
        if (error != 0) {
            m_result.skipped.append({path, reasonFor(error)});
            return;
        }
        CatalogueItem *added = into.append(std::move(item));
        // The project has this folder already: its contents take its place.
        if (isDuplicate(path))
            into.dissolve(added->row());
    }

    void addFile(DIR *dir, const QString &folder, const Listed &listed, bool onDrive, CatalogueItem &into)
    {
        const int fd = ::dirfd(dir);
        Listed file = listed;
        int openFlags = O_NOFOLLOW;
        if (S_ISLNK(listed.mode)) {
            if (!followLink(folder, listed, file))
                return;
            openFlags = 0;
        }
        if (!S_ISREG(file.mode))
            return;
        const bool executable = file.mode & (S_IXUSR | S_IXGRP | S_IXOTH);
        const std::optional<FileClass> type = m_classifier.classify(file.name, executable, [&] {
            return readStart(fd, file.rawName.constData(), openFlags, FileClassifier::kHeadSize);
        });
        if (!type)
            return;
        const QString path = joined(folder, file.name);
        if (isLeftOut(path))
            return;
        auto item = std::make_unique<CatalogueItem>(type->kind);
        item->typeName = type->typeName;
        item->size = file.size;
        item->modifiedMs = file.modifiedMs;
        if (type->kind == CatalogueKind::Desktop) {
            const QByteArray text = readStart(fd, file.rawName.constData(), openFlags, kDesktopFileLimit);
            if (!describeLauncher(folder, text, *item))
                return;
        } else {
            if (isDuplicate(path))
                return;
            item->title = file.name;
            item->command = stored(path, onDrive);
            // A launcher proposes it already.
            item->checked = !m_launched.contains(item->command);
        }
        into.append(std::move(item));
    }

    // A link to a file inside the chosen folder stands for that file under
    // its own name; a link that leads out is listed as skipped.
    bool followLink(const QString &folder, const Listed &link, Listed &file)
    {
        const QString path = joined(folder, link.name);
        const QString target = canonical(path);
        if (target.isEmpty())
            return false;
        if (!isInside(target)) {
            m_result.skipped.append({path, QStringLiteral("Verknüpfung führt aus dem Ordner hinaus")});
            return false;
        }
        struct statx facts {};
        if (::statx(AT_FDCWD, QFile::encodeName(target).constData(), AT_NO_AUTOMOUNT, kFacts, &facts) != 0)
            return false;
        file = listedFrom(link.rawName.constData(), facts);
        return true;
    }

    // Title, comment, command and picture from a desktop entry's text;
    // false when it is no launcher or the project has its command.
    bool describeLauncher(const QString &folder, const QByteArray &text, CatalogueItem &item)
    {
        const std::optional<DesktopEntry> entry = ParseDesktopEntry(text);
        if (!entry)
            return false;
        const QStringList words = DesktopExecWords(entry->exec);
        const QString program = resolveProgram(words.first(), folder, entry->path);
        const QString line = DesktopCommandLine(program, words.mid(1));
        if (isDuplicate(line))
            return false;
        item.title = entry->name;
        if (!entry->comment.isEmpty())
            item.description = entry->comment.split(QLatin1Char('\n'));
        item.command = line;
        ShortenCommandLine(m_options.drive, item.command);
        // A line that does not expand would only be a problem of the catalogue.
        QString expanded = item.command;
        item.checked = ExpandCommandLine(m_options.drive, expanded) >= ExpandWords;
        QString storedProgram = program;
        ShortenCommandLine(m_options.drive, storedProgram);
        m_launched.insert(storedProgram);
        if (m_options.withIcons)
            item.iconFile = resolveIcon(entry->icon, folder);
        return true;
    }

    // A program named with a path is looked for from the launcher's working
    // folder or its own folder; a bare name there first, then on the search
    // path. A program found nowhere stays as it is.
    static QString resolveProgram(const QString &program, const QString &folder, const QString &workingFolder)
    {
        if (program.startsWith(QLatin1Char('/')))
            return QDir::cleanPath(program);
        QStringList bases;
        if (!workingFolder.isEmpty())
            bases.append(workingFolder.startsWith(QLatin1Char('/')) ? workingFolder : joined(folder, workingFolder));
        bases.append(folder);
        for (const QString &base : bases) {
            const QString candidate = QDir::cleanPath(joined(base, program));
            if (FileSystem::fileExists(candidate))
                return candidate;
        }
        const QString onPath = program.contains(QLatin1Char('/')) ? QString() : QStandardPaths::findExecutable(program);
        return onPath.isEmpty() ? program : onPath;
    }

    // The picture file an Icon value names on the medium: PNG, BMP or XPM,
    // as a path or as a name beside the launcher.
    QString resolveIcon(const QString &icon, const QString &folder) const
    {
        if (icon.isEmpty())
            return {};
        const QString base = icon.startsWith(QLatin1Char('/')) ? QDir::cleanPath(icon) : joined(folder, icon);
        QStringList candidates;
        if (hasPictureSuffix(icon)) {
            candidates.append(base);
        } else {
            for (const char *suffix : {".png", ".xpm", ".bmp"})
                candidates.append(base + QLatin1String(suffix));
        }
        for (const QString &candidate : candidates) {
            const QString target = canonical(candidate);
            if (!target.isEmpty() && isInside(target) && FileSystem::fileExists(target))
                return candidate;
        }
        return {};
    }

    const CatalogueOptions &m_options;
    const OperationObserver &m_observer;
    EventPump m_pump;
    CatalogueScan &m_result;
    FileClassifier m_classifier;
    QString m_root;
    QSet<QString> m_leftOut;
    QSet<QPair<quint64, quint64>> m_visited;
    // Programs that launchers in the folders read so far start.
    QSet<QString> m_launched;
    qint64 m_topDone = 0;
    qint64 m_topTotal = 0;
    double m_innerShare = 0;
    int m_percent = -1;
};

} // namespace

CatalogueScan ScanForCatalogue(const QString &folder, const CatalogueOptions &options,
                               const OperationObserver &observer)
{
    CatalogueScan result;
    Scanner(options, observer, result).run(folder);
    return result;
}

qint64 CountProposals(const CatalogueItem &item)
{
    qint64 count = 0;
    for (const auto &child : item.children())
        count += 1 + CountProposals(*child);
    return count;
}
