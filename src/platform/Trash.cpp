#include "platform/Trash.h"

#include "platform/NativeNames.h"

#include <QDateTime>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Trash {

namespace {

QByteArray homeTrashPath()
{
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    if (data.startsWith('/'))
        return data + "/Trash";
    QByteArray home = qgetenv("HOME");
    if (!home.startsWith('/')) {
        const passwd *user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? QByteArray(user->pw_dir) : QByteArray();
    }
    return home.startsWith('/') ? home + "/.local/share/Trash" : QByteArray();
}

bool isOwnFolder(const QByteArray &path)
{
    struct stat info;
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid();
}

// A folder that is a real folder (not a link), made with mode 0700 when
// missing.
bool ensureFolder(const QByteArray &path)
{
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info;
    if (::lstat(path.constData(), &info) != 0)
        return false;
    errno = ENOTDIR;
    return S_ISDIR(info.st_mode);
}

bool ensureTrash(const QByteArray &trash)
{
    return ensureFolder(trash) && ensureFolder(trash + "/files") && ensureFolder(trash + "/info");
}

// Every missing folder of the home trash, each private to the user as the
// data folders are.
bool ensureHomeTrash(const QByteArray &trash)
{
    for (qsizetype end = trash.indexOf('/', 1); end != -1; end = trash.indexOf('/', end + 1)) {
        if (::mkdir(trash.left(end).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return ensureTrash(trash);
}

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArrayLiteral("/") : path.left(slash);
}

struct Place {
    quint64 device = 0;
    quint64 mount = 0;
    bool known = false;
};

Place placeOf(const QByteArray &path)
{
    struct statx facts {};
    if (::statx(AT_FDCWD, path.constData(), 0, STATX_MNT_ID, &facts) != 0)
        return {};
    const quint64 mount = (facts.stx_mask & STATX_MNT_ID) ? facts.stx_mnt_id : 0;
    return {(quint64(facts.stx_dev_major) << 32) | facts.stx_dev_minor, mount, true};
}

bool samePlace(const Place &a, const Place &b)
{
    return a.known && b.known && a.device == b.device && a.mount == b.mount;
}

QByteArray realFolder(const QByteArray &folder)
{
    char *real = ::realpath(folder.constData(), nullptr);
    if (!real)
        return {};
    QByteArray path(real);
    std::free(real);
    return path;
}

// The folder the file system holding folder (a real path) is mounted on.
QByteArray mountTop(QByteArray folder)
{
    const Place here = placeOf(folder);
    while (folder != "/" && samePlace(placeOf(parentOf(folder)), here))
        folder = parentOf(folder);
    return folder;
}

// The deepest existing folder of path.
QByteArray existingPart(QByteArray path)
{
    struct stat info;
    while (path != "/" && ::stat(path.constData(), &info) != 0)
        path = parentOf(path);
    return path;
}

// Reserves a name in trash/info and writes the restore information; the
// name, or empty (errno set) when none could be had.
QByteArray reserveName(const QByteArray &trash, const QByteArray &name, const QByteArray &recordedPath)
{
    const QByteArray info = "[Trash Info]\nPath=" + recordedPath.toPercentEncoding("/") + "\nDeletionDate="
                            + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1()
                            + "\n";
    for (int number = 1; number < 10000; ++number) {
        const QByteArray candidate = number == 1 ? name : name + '.' + QByteArray::number(number);
        struct stat taken;
        if (::lstat((trash + "/files/" + candidate).constData(), &taken) == 0)
            continue;
        const QByteArray infoPath = trash + "/info/" + candidate + ".trashinfo";
        const int fd = ::open(infoPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return {};
        const bool written = ::write(fd, info.constData(), size_t(info.size())) == info.size();
        const int writeError = errno;
        if (::close(fd) == 0 && written)
            return candidate;
        ::unlink(infoPath.constData());
        errno = written ? EIO : writeError;
        return {};
    }
    errno = EEXIST;
    return {};
}

bool moveInto(const QByteArray &trash, const QByteArray &path, const QByteArray &recordedPath)
{
    const QByteArray name = reserveName(trash, path.mid(path.lastIndexOf('/') + 1), recordedPath);
    if (name.isEmpty())
        return false;
    if (::rename(path.constData(), (trash + "/files/" + name).constData()) == 0)
        return true;
    const int renameError = errno;
    ::unlink((trash + "/info/" + name + ".trashinfo").constData());
    errno = renameError;
    return false;
}

// The medium's trash for files below top: .Trash/UID when the administrator
// made .Trash a real folder with the sticky bit, else .Trash-UID.
bool moveToMediumTrash(const QByteArray &top, const QByteArray &path)
{
    const QByteArray base = top == "/" ? QByteArray() : top;
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray relative = path.mid(base.size() + 1);
    struct stat shared;
    if (::lstat((base + "/.Trash").constData(), &shared) == 0 && S_ISDIR(shared.st_mode)
        && (shared.st_mode & S_ISVTX)) {
        const QByteArray trash = base + "/.Trash/" + uid;
        if (ensureTrash(trash) && isOwnFolder(trash) && moveInto(trash, path, relative))
            return true;
    }
    const QByteArray trash = base + "/.Trash-" + uid;
    if (!ensureTrash(trash))
        return false;
    if (!isOwnFolder(trash)) {
        errno = EACCES;
        return false;
    }
    return moveInto(trash, path, relative);
}

bool moveNative(const QByteArray &given)
{
    // The item itself (a link stays a link) in its folder's real place.
    const QByteArray folder = realFolder(parentOf(given));
    if (folder.isEmpty())
        return false;
    const QByteArray path = (folder == "/" ? QByteArray() : folder) + given.mid(given.lastIndexOf('/'));
    struct stat item;
    if (::lstat(path.constData(), &item) != 0)
        return false;
    const QByteArray home = homeTrashPath();
    struct stat homeFolder;
    if (!home.isEmpty() && ::stat(existingPart(home).constData(), &homeFolder) == 0
        && homeFolder.st_dev == item.st_dev) {
        if (!ensureHomeTrash(home))
            return false;
        if (moveInto(home, path, path))
            return true;
        // The same file system mounted a second time: the medium's trash.
        if (errno != EXDEV)
            return false;
    }
    return moveToMediumTrash(mountTop(folder), path);
}

} // namespace

bool moveToTrash(const QString &path)
{
    QByteArray native = NativeNames::encode(path);
    while (native.size() > 1 && native.endsWith('/'))
        native.chop(1);
    const QByteArray name = native.mid(native.lastIndexOf('/') + 1);
    return native.startsWith('/') && !name.isEmpty() && name != "." && name != ".." && moveNative(native);
}

} // namespace Trash
