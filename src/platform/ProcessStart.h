#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

// Starts programs with every name handed on as the bytes it stands for:
// program, arguments and folder may hold bytes that are not UTF-8
// (NativeNames), which QProcess cannot pass.
namespace ProcessStart {

struct Command {
    QString program; // path of the program
    QStringList arguments;
    QString folder;     // where it runs; empty: here
    bool quiet = false; // standard input and output go to /dev/null
};

enum class Failure {
    None,
    Resources, // no process or pipe could be made
    Folder,    // the folder cannot be entered
    Program,   // the program cannot be executed
};

// Starts command so that it outlives this process and is never waited for.
Failure startDetached(const Command &command);

// Starts command as a child; its process id, or -1 with failure set.
pid_t start(const Command &command, Failure &failure);
// Waits up to timeoutMs for the child to end; false while it runs. exitCode
// is its exit code, -1 when a signal ended it.
bool waitFor(pid_t child, int timeoutMs, int &exitCode);
// Leaves the child running; it is reaped once it ends.
void release(pid_t child);

} // namespace ProcessStart
