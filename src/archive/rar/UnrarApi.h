#pragma once

#include <cstdint>

// The RAR extraction call interface, implemented on libarchive (RAR 4 and
// RAR 5, volume sets through the volume callback). Names and records keep
// the library interface's published layout.

enum : int {
    ERAR_SUCCESS = 0,
    ERAR_END_ARCHIVE = 10,
    ERAR_NO_MEMORY = 11,
    ERAR_BAD_DATA = 12,
    ERAR_BAD_ARCHIVE = 13,
    ERAR_UNKNOWN_FORMAT = 14,
    ERAR_EOPEN = 15,
    ERAR_ECREATE = 16,
    ERAR_ECLOSE = 17,
    ERAR_EREAD = 18,
    ERAR_EWRITE = 19,
    ERAR_SMALL_BUF = 20,
    ERAR_UNKNOWN = 21,
    // Beyond the published codes: the archive's headers are encrypted.
    ERAR_ENCRYPTED = 22,
};

enum : unsigned { RAR_OM_LIST = 0, RAR_OM_EXTRACT = 1 };
enum : int { RAR_SKIP = 0, RAR_TEST = 1, RAR_EXTRACT = 2 };
enum : int { RAR_VOL_ASK = 0, RAR_VOL_NOTIFY = 1 };

// Header flags.
enum : unsigned { RHDF_ENCRYPTED = 0x04, RHDF_DIRECTORY = 0xe0 };

// Size of the volume name buffer handed to the volume callback; the callback
// may write another name into it.
constexpr int RarVolumeNameSize = 4096;

struct RAROpenArchiveData {
    char *ArcName;
    unsigned OpenMode;
    unsigned OpenResult;
    char *CmtBuf;
    unsigned CmtBufSize;
    unsigned CmtSize;
    unsigned CmtState;
};

// Encrypted data cannot be unpacked (libarchive's RAR readers cannot
// decrypt): testing or extracting it gives ERAR_BAD_DATA. 572 bytes with
// 32-bit pointers; names are UTF-8, cut at 259 bytes. The packed size counts
// the entry's data in every volume; in list mode it is complete once the
// entry was skipped.
struct RARHeaderData {
    char ArcName[260];
    char FileName[260];
    unsigned Flags;
    unsigned PackSize;
    unsigned UnpSize;
    unsigned HostOS;
    unsigned FileCRC;
    unsigned FileTime;
    unsigned UnpVer;
    unsigned Method;
    unsigned FileAttr;
    char *CmtBuf;
    unsigned CmtBufSize;
    unsigned CmtSize;
    unsigned CmtState;
};

using RarHandle = void *;
// Returns 0 to stop, anything else to go on.
using CHANGEVOLPROC = int (*)(char *arcName, int mode);
// Returns -1 to cancel, anything else to go on.
using PROCESSDATAPROC = int (*)(unsigned char *addr, int size);

extern "C" {
RarHandle RAROpenArchive(RAROpenArchiveData *archiveData);
int RARCloseArchive(RarHandle handle);
int RARReadHeader(RarHandle handle, RARHeaderData *headerData);
// destName, when given, is the whole target path; else destPath (or the
// current folder) plus the entry's name.
int RARProcessFile(RarHandle handle, int operation, char *destPath, char *destName);
void RARSetChangeVolProc(RarHandle handle, CHANGEVOLPROC changeVolProc);
void RARSetProcessDataProc(RarHandle handle, PROCESSDATAPROC processDataProc);
void RARSetPassword(RarHandle handle, char *password);

// Beyond the published interface: the current entry's full sizes, name and
// link target (the record's fields are 32-bit and its names cut).
int RARGetEntryDetails(RarHandle handle, int64_t *packSize, int64_t *unpSize, const char **fullName,
                       const char **linkTarget);
// Whether an extracted entry replaces a file of its name (the default) or
// fails with ERAR_ECREATE.
void RARSetOverwrite(RarHandle handle, int overwrite);
// Why the last RARProcessFile failed, as the logs show it; empty when the
// error code says it all.
const char *RARGetEntryProblem(RarHandle handle);
}
