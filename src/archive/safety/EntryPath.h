#pragma once

#include <string>
#include <vector>

// The one check of where an archive entry may go, for every format: names
// with "/" between folders, relative, without ".." and without a drive
// letter; links whose target stays inside the target folder.
namespace EntryPath {

enum class Problem {
    None,
    Empty,
    Absolute,
    DriveLetter,
    Backslash,
    ParentStep,
    ThroughLink,
    LinkWithoutTarget,
    LinkLeaves,
    LinkTargetMissing,
    Repeated,
};

// Splits name into its folders and leaf, leaving out "." and empty parts.
Problem split(const std::string &name, std::vector<std::string> &parts);

// Whether a link placed at linkParts pointing at target stays inside the
// target folder: relative, and ".." only before the first name, so that it
// cannot climb out through a folder that is itself a link.
Problem checkLink(const std::vector<std::string> &linkParts, const std::string &target);

// parts[0..count) joined with "/".
std::string join(const std::vector<std::string> &parts, size_t count);

// The problem as the logs show it.
const char *text(Problem problem);

} // namespace EntryPath
