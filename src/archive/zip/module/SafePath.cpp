#include "SafePath.h"

#include <cerrno>
#include <sys/stat.h>

namespace SafePath {

namespace {

std::vector<std::string> split(const std::string &text)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == '/') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

} // namespace

bool splitEntryName(const std::string &name, std::vector<std::string> &parts)
{
    parts.clear();
    if (name.empty() || name.front() == '/' || name.find('\\') != std::string::npos
        || name.find('\0') != std::string::npos)
        return false;
    if (name.size() >= 2 && name[1] == ':')
        return false;
    for (const std::string &part : split(name)) {
        if (part.empty() || part == ".")
            continue;
        if (part == ".." || part.find(':') != std::string::npos)
            return false;
        parts.push_back(part);
    }
    return !parts.empty();
}

bool linkStaysInside(const std::vector<std::string> &linkParts, const std::string &target)
{
    if (target.empty() || target.front() == '/' || target.find('\\') != std::string::npos
        || (target.size() >= 2 && target[1] == ':'))
        return false;
    // Up from the link's real folder first, then only down: a ".." after a
    // name could climb out through another link.
    size_t depth = linkParts.size() - 1;
    bool descending = false;
    for (const std::string &part : split(target)) {
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (descending || depth == 0)
                return false;
            --depth;
        } else {
            descending = true;
        }
    }
    return true;
}

std::string join(const std::string &root, const std::vector<std::string> &parts, size_t count)
{
    std::string path = root;
    for (size_t i = 0; i < count && i < parts.size(); ++i) {
        if (path.empty() || path.back() != '/')
            path += '/';
        path += parts[i];
    }
    return path;
}

bool makeFolders(const std::string &root, const std::vector<std::string> &parts, size_t count)
{
    for (size_t i = 1; i <= count; ++i) {
        const std::string path = join(root, parts, i);
        struct stat info {};
        if (lstat(path.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode))
                return false;
            continue;
        }
        if (errno != ENOENT || mkdir(path.c_str(), 0777) != 0)
            return false;
    }
    return true;
}

} // namespace SafePath
