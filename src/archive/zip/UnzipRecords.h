#pragma once

// The records passed between TZipMaster and the unzip module. Plain C layout
// so that both sides agree without sharing code. Handles and pointers are
// pointer-sized; every other field is 32 bits.
#include <cstdint>

extern "C" {

struct UnzCallbackRecord;

// Returns 1 to ask the module to stop, else 0.
typedef int32_t (*UnzCallback)(UnzCallbackRecord *record);

enum : int32_t {
    UnzVersion = 140,
    UnzPasswordChars = 81,
    UnzNameChars = 256,
    UnzMessageChars = 512,
    UnzSeven = 7,
    // "BRK1": the command record's fields after the published ones are set.
    UnzExtensionMark = 0x42524B31,
};

// Action codes in the callback record.
enum : int32_t {
    UnzActionFileBegins = 1,
    UnzActionStep = 2,
    UnzActionBatchEnds = 3,
    UnzActionMessage = 4,
    // An encrypted entry needs a password: the record carries the entry's
    // name; the callback writes the password (at most UnzPasswordChars - 1
    // bytes) over it, or an empty text for none.
    UnzActionPassword = 16,
};

// Bytes per progress step.
constexpr int32_t UnzStepBytes = 32768;

struct UnzCommandRecord {
    void *windowHandle;
    void *caller;
    int32_t version;
    UnzCallback callback;
    int32_t trace;
    int32_t promptToOverwrite;
    char password[UnzPasswordChars];
    int32_t test;
    int32_t comments;
    int32_t convert;
    int32_t quiet;
    int32_t verbose;
    int32_t update;
    int32_t freshen;
    int32_t directories;
    int32_t overwrite;
    int32_t argumentCount;
    char archiveName[UnzNameChars];
    int32_t seven;
    // argumentCount buffers of UnzNameChars characters each.
    char (*names)[UnzNameChars];

    // Beyond the published layout, read when extensionMark is
    // UnzExtensionMark: what the fixed fields cannot hold.
    int32_t extensionMark;
    // The folder to extract into, held open; -1 for the current folder.
    int32_t targetFolder;
    // The archive's whole path and argumentCount whole names.
    const char *archivePath;
    const char *const *fullNames;
};

struct UnzCallbackRecord {
    void *windowHandle;
    void *caller;
    int32_t version;
    int32_t isZipOperation;
    int32_t actionCode;
    int32_t errorCode;
    int32_t fileSize;
    char fileNameOrMessage[UnzMessageChars];
    // Beyond the published layout: the whole name or message when it does
    // not fit above, else null.
    const char *fullText;
};

// The module's two entry points; names are UTF-8.
typedef int32_t (*UnzDllExecFunction)(UnzCommandRecord *command);
typedef int32_t (*GetUnzDllVersionFunction)();
}
