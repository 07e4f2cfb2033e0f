#pragma once

#include <string>
#include <vector>

// Checks that keep extraction inside its target folder.
namespace SafePath {

// Splits an archive name into folder components. False for names that could
// leave the target: absolute, "..", drive letters, backslashes, empty.
bool splitEntryName(const std::string &name, std::vector<std::string> &parts);

// True when a link placed at linkParts (inside the target) pointing at
// target stays inside the target: relative, and ".." only leading.
bool linkStaysInside(const std::vector<std::string> &linkParts, const std::string &target);

// Creates the folders root/parts[0..count) as needed. False when one exists
// as anything but a real folder (a link to a folder counts as foreign).
bool makeFolders(const std::string &root, const std::vector<std::string> &parts, size_t count);

std::string join(const std::string &root, const std::vector<std::string> &parts, size_t count);

} // namespace SafePath
