// The unzip module's two exported entry points.
#include "archive/safety/ExtractionTarget.h"
#include "archive/zip/module/UnzipSession.h"

#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <unistd.h>

#define UNZIP_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::string bounded(const char *text, size_t size)
{
    return std::string(text, strnlen(text, size));
}

// The record's fields, or the whole texts and the open target folder where
// the caller extended it.
UnzipJob jobOf(const UnzCommandRecord &command)
{
    const bool extended = command.extensionMark == UnzExtensionMark;
    UnzipJob job;
    job.archivePath =
        extended && command.archivePath ? std::string(command.archivePath) : bounded(command.archiveName, UnzNameChars);
    for (int i = 0; i < command.argumentCount && command.names; ++i) {
        const bool whole = extended && command.fullNames && command.fullNames[i];
        job.patterns.push_back(whole ? std::string(command.fullNames[i]) : bounded(command.names[i], UnzNameChars));
    }
    if (!command.test) {
        job.targetFolder = extended && command.targetFolder >= 0 ? fcntl(command.targetFolder, F_DUPFD_CLOEXEC, 0)
                                                                 : ExtractionTarget::openFolder(".");
    }
    return job;
}

} // namespace

UNZIP_EXPORT int32_t GetUnzDllVersion()
{
    return UnzVersion;
}

UNZIP_EXPORT int32_t UnzDllExec(UnzCommandRecord *command)
{
    if (!command || command->version != UnzVersion)
        return 0;
    // Names are converted to UTF-8 whatever the program's locale is.
    locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    locale_t previous = utf8 ? uselocale(utf8) : static_cast<locale_t>(nullptr);
    UnzipSession session(*command, jobOf(*command));
    const int successes = session.run();
    if (utf8) {
        uselocale(previous);
        freelocale(utf8);
    }
    return successes;
}
