#pragma once

#include <functional>
#include <string>

// A hidden name for a temporary entry in a folder, of fixed length and
// unlikely to exist.
std::string TemporaryName();

// Calls make with fresh temporary names while it fails with EEXIST; the
// name it made, empty on failure (errno set).
std::string MakeUnderTemporaryName(const std::function<bool(const char *name)> &make);

// Puts a symbolic link to target at leaf of folder. With replace it takes
// the place of an entry there in one step (never of a folder: EISDIR);
// without, an existing entry is an error (EEXIST). False with errno set.
bool PlaceSymlink(int folder, const std::string &leaf, const std::string &target, bool replace);

// Gives the file from (in fromFolder; a link there is linked itself) the
// second name leaf of folder, in place of an entry of that name with
// replace, in one step. False with errno set; nothing temporary is left.
bool PlaceHardLink(int fromFolder, const std::string &from, int folder, const std::string &leaf, bool replace);

// Makes the entries of folder (any descriptor of it) durable; a folder that
// cannot be synced changes nothing about them.
void SyncFolder(int folder);

// The folder a path's last part lies in, held open for the calls relative
// to it, and that last part.
class FolderOfPath {
public:
    explicit FolderOfPath(const std::string &path);
    ~FolderOfPath();
    FolderOfPath(const FolderOfPath &) = delete;
    FolderOfPath &operator=(const FolderOfPath &) = delete;

    // Below 0 when the folder cannot be opened (errno tells why).
    int fd() const { return m_fd; }
    const std::string &leaf() const { return m_leaf; }
    // SyncFolder() on it.
    void sync() const;

private:
    int m_fd = -1;
    std::string m_leaf;
};
