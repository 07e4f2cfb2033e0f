// The unzip module's two exported entry points.
#include "UnzipSession.h"

#include <clocale>
#include <locale.h>
#include <unistd.h>

#include <string>

#define UNZIP_EXPORT extern "C" __attribute__((visibility("default")))

UNZIP_EXPORT int32_t GetUnzDllVersion()
{
    return UnzVersion;
}

UNZIP_EXPORT int32_t UnzDllExec(UnzCommandRecord *command)
{
    if (!command || command->version != UnzVersion)
        return 0;
    char folder[4096];
    if (!getcwd(folder, sizeof folder))
        return 0;
    // Names are converted to UTF-8 whatever the program's locale is.
    locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    locale_t previous = utf8 ? uselocale(utf8) : static_cast<locale_t>(nullptr);
    UnzipSession session(*command, folder);
    const int successes = session.run();
    if (utf8) {
        uselocale(previous);
        freelocale(utf8);
    }
    return successes;
}
