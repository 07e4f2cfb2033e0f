#include "platform/Launcher.h"

#include "platform/FileSystem.h"
#include "platform/NativeNames.h"
#include "platform/ProcessStart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <unistd.h>

namespace Launcher {

namespace {

Handler *g_handler = nullptr;

// How long a document's opener may take to hand the document on.
constexpr int kOpenerWaitMs = 2000;

SystemHandler &systemHandler()
{
    static SystemHandler handler;
    return handler;
}

bool exists(const QString &path)
{
    return FileSystem::fileExists(path) || FileSystem::folderExists(path);
}

bool isExecutable(const QString &path)
{
    return ::access(NativeNames::encode(path).constData(), X_OK) == 0;
}

QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

enum class FileKind { Program, Document, Unreadable };

// Binaries and scripts start themselves; anything else is a document.
FileKind kindOf(const QString &path)
{
    if (FileSystem::folderExists(path))
        return FileKind::Document;
    QFile file;
    if (!FileSystem::openRegularFile(file, path))
        return isExecutable(path) ? FileKind::Program : FileKind::Unreadable;
    const QByteArray head = file.read(4);
    if (head.startsWith("\x7f"
                        "ELF")
        || head.startsWith("#!"))
        return FileKind::Program;
    return FileKind::Document;
}

int startFailure(ProcessStart::Failure failure)
{
    switch (failure) {
    case ProcessStart::Failure::None:
        return Started;
    case ProcessStart::Failure::Resources:
        return OutOfMemory;
    case ProcessStart::Failure::Folder:
        return FolderNotFound;
    case ProcessStart::Failure::Program:
        break;
    }
    return BadExecutable;
}

ProcessStart::Command commandOf(const Plan &planned)
{
    return {planned.program, planned.arguments, planned.workingFolder, planned.viaOpener};
}

// xdg-open's exit codes: a missing file (2, or 4 when the file is gone), no
// program for the file (3, or 4 when the file is there), no right to read it
// (5).
int openerResult(int exitCode, const QString &file)
{
    switch (exitCode) {
    case 0:
        return Started;
    case 2:
        return FileNotFound;
    case 3:
        return NoAssociation;
    case 4:
        return exists(file) ? NoAssociation : FileNotFound;
    case 5:
        return AccessDenied;
    default:
        return OtherFailure;
    }
}

// Hands a document to the opener and waits a moment for its verdict; an
// opener still busy then runs the program itself and is left running.
int openWithOpener(const Plan &planned)
{
    ProcessStart::Failure failure;
    const pid_t opener = ProcessStart::start(commandOf(planned), failure);
    if (opener < 0)
        return startFailure(failure);
    int exitCode = 0;
    if (!ProcessStart::waitFor(opener, kOpenerWaitMs, exitCode)) {
        ProcessStart::release(opener);
        return Started;
    }
    return openerResult(exitCode, planned.arguments.value(0));
}

} // namespace

Handler *setHandler(Handler *handler)
{
    Handler *previous = g_handler;
    g_handler = handler;
    return previous;
}

int open(const Request &request)
{
    return (g_handler ? g_handler : &systemHandler())->open(request);
}

QString locate(const Request &request)
{
    if (!request.folder.isEmpty())
        return QDir::cleanPath(QDir(request.folder).filePath(request.file));
    if (request.file.isEmpty())
        return {};
    if (request.file.contains(QLatin1Char('/')))
        return FileSystem::fullPath(request.file);
    const QString onPath = QStandardPaths::findExecutable(request.file);
    if (!onPath.isEmpty())
        return onPath;
    const QString here = FileSystem::fullPath(request.file);
    return exists(here) ? here : QString();
}

Plan plan(const Request &request)
{
    Plan result;
    if (!request.folder.isEmpty() && !FileSystem::folderExists(request.folder)) {
        result.failure = FolderNotFound;
        return result;
    }
    const QString path = locate(request);
    if (path.isEmpty() || !exists(path)) {
        result.failure = FileNotFound;
        return result;
    }
    result.workingFolder = request.folder.isEmpty() ? folderOf(FileSystem::fullPath(path)) : request.folder;
    switch (kindOf(path)) {
    case FileKind::Unreadable:
        result.failure = AccessDenied;
        return result;
    case FileKind::Program:
        if (!isExecutable(path)) {
            result.failure = AccessDenied;
            return result;
        }
        result.program = path;
        result.arguments = QProcess::splitCommand(request.parameters);
        return result;
    case FileKind::Document:
        result.program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (result.program.isEmpty())
            result.failure = NoAssociation;
        result.arguments = QStringList{path};
        result.viaOpener = true;
        return result;
    }
    return result;
}

int SystemHandler::open(const Request &request)
{
    const Plan planned = plan(request);
    if (planned.failure != 0)
        return planned.failure;
    if (planned.viaOpener)
        return openWithOpener(planned);
    return startFailure(ProcessStart::startDetached(commandOf(planned)));
}

} // namespace Launcher
