#pragma once

#include <sys/stat.h>

// Permission bits for an extracted file: those the archive stored (0644 when
// it stored none), less what the process's umask takes away, as for any new
// file; an archive cannot make files writable for everybody.
inline mode_t ExtractedFileMode(mode_t stored)
{
    const mode_t processMask = ::umask(0);
    ::umask(processMask);
    const mode_t bits = stored & 0777;
    return (bits ? bits : 0644) & ~processMask;
}
