#pragma once

#include <string>

// Naming of RAR volume sets.
namespace RarVolumes {

// The name of the volume after volume: "x.part01.rar" -> "x.part02.rar",
// "x.rar" -> "x.r00", "x.r00" -> "x.r01". Empty when none follows by name.
std::string nextVolumeName(const std::string &volume);

} // namespace RarVolumes
