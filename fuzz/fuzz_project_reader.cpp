// libFuzzer target: any bytes as a project file must load without a crash,
// and what loads must write and read back to the same text.
#include "common/AppContext.h"
#include "common/MsgBox.h"
#include "project/ProjectFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

class SilentHandler : public MsgBox::Handler {
public:
    int show(const MsgBox::Request &request) override { return MsgBox::unattendedAnswer(request); }
};

struct Setup {
    Setup()
    {
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        app = new QCoreApplication(argc, argv);
        MsgBox::setHandler(&handler);
        AppContext::setProgramDirectory(dir.path());
    }
    QCoreApplication *app;
    SilentHandler handler;
    QTemporaryDir dir;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Setup setup;
    const QString file = setup.dir.filePath(QStringLiteral("input.prj"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    out.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    out.close();

    LoadReport report;
    const auto project = ReadProjectFile(file, report);
    if (!project)
        return 0;
    if (report.linesRead != report.linesInFile)
        std::abort();

    const QString copy = setup.dir.filePath(QStringLiteral("copy.prj"));
    if (!SaveProjectFile(*project, copy, SaveOptions{false, {}}))
        std::abort();
    LoadReport again;
    const auto reread = ReadProjectFile(copy, again);
    if (!reread || reread->tree.count() != project->tree.count())
        std::abort();
    return 0;
}
