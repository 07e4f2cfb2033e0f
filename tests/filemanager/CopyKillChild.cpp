// Test helper: copies or moves one entry with the file manager's copy loop
// and kills itself with SIGKILL once the given percentage is copied, so a
// test can look at what a killed copy leaves behind.
// Usage: copy_kill_child FOLDER NAME TARGET-FOLDER copy|move PERCENT
#include "filemanager/ops/CopyEngine.h"
#include "filemanager/ops/FolderEntries.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>

namespace {

class OverwriteEverything : public CopyQuestions {
public:
    OverwriteAnswer askOverwrite(const FileFacts &, const FileFacts &) override { return OverwriteAnswer::Overwrite; }
    bool confirmAbort(bool) override { return true; }
    bool skipUncreatableFolder(const QString &, bool) override { return false; }
    RemoveAnswer askRemoveFailed(const QString &) override { return RemoveAnswer::Cancel; }
    void reportCopyFailed(const QString &, const QString &, const QString &reason, bool) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(reason));
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        return 2;
    const int killAt = args[5].toInt();
    OperationObserver observer;
    observer.progress = [killAt](int percent) {
        if (percent >= killAt)
            std::raise(SIGKILL);
    };
    OverwriteEverything questions;
    CopyEngine engine({args[4] == QLatin1String("move"), true, true}, questions, observer);
    const QStringList names{args[2]};
    return engine.run(args[1], names, args[3], SelectionSize(args[1], names)) ? 0 : 1;
}
