// A module that lacks its version entry point.
#include "archive/zip/UnzipRecords.h"

extern "C" __attribute__((visibility("default"))) int32_t UnzDllExec(UnzCommandRecord *)
{
    return 0;
}
