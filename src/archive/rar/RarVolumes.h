#pragma once

#include <string>

// Naming and recognition of RAR volume sets.
namespace RarVolumes {

// The name of the volume after volume: "x.part01.rar" -> "x.part02.rar",
// "x.rar" -> "x.r00", "x.r00" -> "x.r01". Empty when none follows by name.
std::string nextVolumeName(const std::string &volume);

// What the start of a file says about it.
struct Signature {
    bool isRar = false;
    bool isVolume = false; // part of a volume set (more parts may follow)
};

// Reads the signature and the main header at offset 0.
Signature readSignature(const std::string &fileName);

} // namespace RarVolumes
