#include "platform/Launcher.h"

#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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

enum class FileKind { Program, Document, Unreadable };

// Binaries and scripts start themselves; anything else is a document.
FileKind kindOf(const QFileInfo &info)
{
    if (info.isDir())
        return FileKind::Document;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return info.isExecutable() ? FileKind::Program : FileKind::Unreadable;
    const QByteArray head = file.read(4);
    if (head.startsWith("\x7f"
                        "ELF")
        || head.startsWith("#!"))
        return FileKind::Program;
    return FileKind::Document;
}

// The failure a refused start stands for, told by Qt's error text.
int startFailure(const QString &errorString)
{
    if (errorString.startsWith(QLatin1String("fork:")) || errorString.startsWith(QLatin1String("pipe:")))
        return OutOfMemory;
    if (errorString.startsWith(QLatin1String("chdir:")))
        return FolderNotFound;
    return BadExecutable;
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
        return QFileInfo::exists(file) ? NoAssociation : FileNotFound;
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
    auto *opener = new QProcess(QCoreApplication::instance());
    opener->setProgram(planned.program);
    opener->setArguments(planned.arguments);
    opener->setWorkingDirectory(planned.workingFolder);
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    opener->start();
    if (!opener->waitForStarted()) {
        const int failure = startFailure(opener->errorString());
        delete opener;
        return failure;
    }
    if (!opener->waitForFinished(kOpenerWaitMs)) {
        QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
        return Started;
    }
    const int result = opener->exitStatus() == QProcess::NormalExit
                           ? openerResult(opener->exitCode(), planned.arguments.value(0))
                           : OtherFailure;
    delete opener;
    return result;
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
    return QFileInfo::exists(here) ? here : QString();
}

Plan plan(const Request &request)
{
    Plan result;
    if (!request.folder.isEmpty() && !FileSystem::folderExists(request.folder)) {
        result.failure = FolderNotFound;
        return result;
    }
    const QString path = locate(request);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        result.failure = FileNotFound;
        return result;
    }
    result.workingFolder = request.folder.isEmpty() ? info.absolutePath() : request.folder;
    switch (kindOf(info)) {
    case FileKind::Unreadable:
        result.failure = AccessDenied;
        return result;
    case FileKind::Program:
        if (!info.isExecutable()) {
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
    QProcess process;
    process.setProgram(planned.program);
    process.setArguments(planned.arguments);
    process.setWorkingDirectory(planned.workingFolder);
    if (!process.startDetached())
        return startFailure(process.errorString());
    return Started;
}

} // namespace Launcher
