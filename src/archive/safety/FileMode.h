#pragma once

#include <sys/types.h>

// The process's umask, read without changing it.
mode_t CurrentUmask();

// Permission bits for an extracted file: those the archive stored (0644 when
// it stored none), less what the umask takes away, as for any new file; an
// archive cannot make files writable for everybody.
inline mode_t ExtractedFileMode(mode_t stored, mode_t umask)
{
    const mode_t bits = stored & 0777;
    return (bits ? bits : 0644) & ~umask;
}
