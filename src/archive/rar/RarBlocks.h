#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The block structure of one RAR volume, read by the call layer itself for
// what libarchive does not tell: names stored in the OEM code page,
// encryption, links, data sizes per volume, comments, and whether the volume
// is complete and another one follows.
namespace RarBlocks {

enum class Redirect { None, Symlink, HardLink, FileCopy };

// One file header (folders included; service headers are left out).
struct FileBlock {
    // UTF-8 with "/" between folders; empty where only libarchive decodes
    // the name (RAR 4 Unicode names).
    std::string name;
    int64_t packSize = 0; // data in this volume
    int64_t unpSize = 0;
    bool directory = false;
    bool encrypted = false;
    bool continued = false; // the data began in the previous volume
    bool continues = false; // the data goes on in the next volume
    Redirect redirect = Redirect::None;
    std::string redirectTarget;
};

enum class Comment { None, Stored, Packed };

struct Volume {
    bool rar = false;
    bool rar5 = false;
    bool volume = false; // part of a volume set
    bool headersEncrypted = false;
    bool damaged = false; // a block is cut off or its header is corrupt
    bool ended = false;   // an end-of-archive block closes the volume
    bool moreVolumes = false;
    // The version that made the volume writes an end-of-archive block (all
    // but RAR 4 archives from before RAR 2.9).
    bool endExpected = true;
    Comment comment = Comment::None;
    std::string commentText; // a stored comment
    std::vector<FileBlock> files;

    // Every block is there, up to the end of the archive.
    bool complete() const { return !damaged && (ended || !endExpected); }
    // The data goes on in another volume.
    bool followedByNext() const { return moreVolumes || (!ended && !files.empty() && files.back().continues); }
};

// Reads the volume open at fd, also behind a self-extractor stub; the
// descriptor's position is left alone.
Volume Read(int fd);

} // namespace RarBlocks
