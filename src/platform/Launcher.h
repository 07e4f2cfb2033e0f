#pragma once

#include <QString>
#include <QStringList>

// Starts programs and opens documents as the desktop shell would. Results are
// the shell's numbers: above 32 is success, 32 or less a failure code.
namespace Launcher {

enum Result : int {
    OtherFailure = 1,
    FileNotFound = 2,
    FolderNotFound = 3,
    AccessDenied = 5,
    OutOfMemory = 8,
    BadExecutable = 11,
    NoAssociation = 31,
    Started = 42,
};

struct Request {
    QString file;       // file name, or a path relative to folder
    QString parameters; // split like a shell would, without a shell
    QString folder;     // where file lies and the program runs; may be empty
};

class Handler {
public:
    virtual ~Handler() = default;
    virtual int open(const Request &request) = 0;
};

// Installs a handler and returns the previous one; nullptr goes back to the
// system launcher. The caller keeps ownership.
Handler *setHandler(Handler *handler);

// Opens through the installed handler; never waits for what it started.
int open(const Request &request);

// What the system launcher does for a request, decided before anything runs.
struct Plan {
    int failure = 0; // a Result below 32, or 0 when there is none
    QString program; // the program to start
    QStringList arguments;
    QString workingFolder;
    bool viaOpener = false; // program is the desktop's opener (xdg-open)
};

// The file a request names: folder + file, else a bare name on PATH or in the
// current folder; empty when there is none.
QString locate(const Request &request);

// An executable file starts itself; a document or folder is handed to
// xdg-open. A file with the execute bit that is neither a binary nor a script
// (as every file on some removable media) counts as a document.
Plan plan(const Request &request);

// Starts programs detached, every name handed on as its bytes. A document's
// opener is waited for a moment, so that its failure can be reported; one
// that is still busy then (it runs the program itself) is left running.
class SystemHandler : public Handler {
public:
    int open(const Request &request) override;
};

} // namespace Launcher
