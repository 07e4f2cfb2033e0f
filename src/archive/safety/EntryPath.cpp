#include "archive/safety/EntryPath.h"

#include <cctype>

namespace EntryPath {

namespace {

std::vector<std::string> splitAtSlashes(const std::string &text)
{
    std::vector<std::string> parts;
    size_t begin = 0;
    for (;;) {
        const size_t end = text.find('/', begin);
        parts.push_back(text.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
        if (end == std::string::npos)
            return parts;
        begin = end + 1;
    }
}

bool hasDriveLetter(const std::string &name)
{
    return name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]));
}

Problem nameProblem(const std::string &name)
{
    if (name.empty())
        return Problem::Empty;
    if (name.front() == '/')
        return Problem::Absolute;
    if (hasDriveLetter(name))
        return Problem::DriveLetter;
    if (name.find('\\') != std::string::npos)
        return Problem::Backslash;
    return Problem::None;
}

} // namespace

Problem split(const std::string &name, std::vector<std::string> &parts)
{
    parts.clear();
    if (const Problem problem = nameProblem(name); problem != Problem::None)
        return problem;
    for (std::string &part : splitAtSlashes(name)) {
        if (part == "..")
            return Problem::ParentStep;
        if (!part.empty() && part != ".")
            parts.push_back(std::move(part));
    }
    return parts.empty() ? Problem::Empty : Problem::None;
}

Problem checkLink(const std::vector<std::string> &linkParts, const std::string &target)
{
    if (target.empty())
        return Problem::LinkWithoutTarget;
    if (nameProblem(target) != Problem::None)
        return Problem::LinkLeaves;
    size_t depth = linkParts.empty() ? 0 : linkParts.size() - 1;
    bool descending = false;
    for (const std::string &part : splitAtSlashes(target)) {
        if (part.empty() || part == ".")
            continue;
        if (part != "..") {
            descending = true;
            continue;
        }
        if (descending || depth == 0)
            return Problem::LinkLeaves;
        --depth;
    }
    return Problem::None;
}

std::string join(const std::vector<std::string> &parts, size_t count)
{
    std::string path;
    for (size_t i = 0; i < count && i < parts.size(); ++i) {
        if (i > 0)
            path += '/';
        path += parts[i];
    }
    return path;
}

const char *text(Problem problem)
{
    switch (problem) {
    case Problem::None:
        return "";
    case Problem::Empty:
        return "leerer Name";
    case Problem::Absolute:
        return "absoluter Pfad";
    case Problem::DriveLetter:
        return "Laufwerksangabe im Namen";
    case Problem::Backslash:
        return "Backslash im Namen";
    case Problem::ParentStep:
        return "\"..\" im Pfad";
    case Problem::ThroughLink:
        return "Pfad führt über einen Link";
    case Problem::LinkWithoutTarget:
        return "Link ohne Ziel";
    case Problem::LinkLeaves:
        return "Link zeigt aus dem Zielverzeichnis";
    case Problem::LinkTargetMissing:
        return "Ziel des Links fehlt oder ist fehlerhaft";
    case Problem::Repeated:
        return "Name kommt im Archiv mehrfach vor";
    }
    return "";
}

} // namespace EntryPath
