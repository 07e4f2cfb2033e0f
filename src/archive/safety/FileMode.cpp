#include "archive/safety/FileMode.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

mode_t CurrentUmask()
{
    // Reading it from the process status leaves it alone for other threads.
    if (std::FILE *status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status))
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found)
            return static_cast<mode_t>(mask);
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}
