#include "platform/ProcessStart.h"

#include "platform/NativeNames.h"

#include <QDeadlineTimer>
#include <QList>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace ProcessStart {

namespace {

// Everything the child needs, made before the fork: after it only calls
// that are safe in a forked copy of a threaded process may run.
struct Prepared {
    explicit Prepared(const Command &command)
        : program(NativeNames::encode(command.program))
        , folder(NativeNames::encode(command.folder))
        , quiet(command.quiet)
    {
        arguments.append(program);
        for (const QString &argument : command.arguments)
            arguments.append(NativeNames::encode(argument));
        for (QByteArray &argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
    }

    QByteArray program;
    QByteArray folder;
    bool quiet;
    QList<QByteArray> arguments;
    std::vector<char *> argv;
};

// What the child tells through the pipe when it cannot execute the program;
// nothing arrives when it could.
struct Report {
    Failure failure;
    int error;
};

void report(int pipe, Failure failure)
{
    const Report told{failure, errno};
    [[maybe_unused]] const ssize_t written = ::write(pipe, &told, sizeof told);
}

[[noreturn]] void execute(const Prepared &prepared, int pipe)
{
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &fallback, nullptr);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    if (prepared.quiet) {
        const int null = ::open("/dev/null", O_RDWR);
        for (int stream = 0; stream < 3 && null >= 0; ++stream)
            ::dup2(null, stream);
        if (null > 2)
            ::close(null);
    }
    if (!prepared.folder.isEmpty() && ::chdir(prepared.folder.constData()) != 0) {
        report(pipe, Failure::Folder);
    } else {
        ::execve(prepared.program.constData(), prepared.argv.data(), environ);
        report(pipe, Failure::Program);
    }
    ::_exit(127);
}

// Reads the child's report; None once the pipe closed without one.
Failure readReport(int pipe)
{
    Report told{Failure::None, 0};
    ssize_t got;
    do {
        got = ::read(pipe, &told, sizeof told);
    } while (got < 0 && errno == EINTR);
    ::close(pipe);
    return got == ssize_t(sizeof told) ? told.failure : Failure::None;
}

void reap(pid_t child)
{
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

Failure startDetached(const Command &command)
{
    const Prepared prepared(command);
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return Failure::Resources;
    const pid_t middle = ::fork();
    if (middle == 0) {
        ::close(pipe[0]);
        ::setsid();
        const pid_t child = ::fork();
        if (child == 0)
            execute(prepared, pipe[1]);
        if (child < 0)
            report(pipe[1], Failure::Resources);
        ::_exit(0);
    }
    ::close(pipe[1]);
    if (middle < 0) {
        ::close(pipe[0]);
        return Failure::Resources;
    }
    const Failure failure = readReport(pipe[0]);
    reap(middle);
    return failure;
}

pid_t start(const Command &command, Failure &failure)
{
    const Prepared prepared(command);
    int pipe[2];
    failure = Failure::Resources;
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        execute(prepared, pipe[1]);
    }
    ::close(pipe[1]);
    if (child < 0) {
        ::close(pipe[0]);
        return -1;
    }
    failure = readReport(pipe[0]);
    if (failure == Failure::None)
        return child;
    reap(child);
    return -1;
}

bool waitFor(pid_t child, int timeoutMs, int &exitCode)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        int status = 0;
        const pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child) {
            exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return true;
        }
        if (ended < 0 && errno != EINTR) {
            exitCode = -1;
            return true;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
}

void release(pid_t child)
{
    std::thread([child] { reap(child); }).detach();
}

} // namespace ProcessStart
