// libFuzzer target: any bytes as a project file must load without a crash;
// what loads is saved and loaded again, and then gives the same text, and
// the file the program wrote reads back without a problem line. A fixture
// folder next to the program (a file, a folder, a ZIP, a macro, a file that
// is no macro, a bitmap) lets the command check and the image loading work
// on real files.
#include "common/AppContext.h"
#include "common/MsgBox.h"
#include "platform/Volumes.h"
#include "project/ProjectFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

class SilentHandler : public MsgBox::Handler {
public:
    int show(const MsgBox::Request &request) override { return MsgBox::unattendedAnswer(request); }
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        std::abort();
}

struct Setup {
    Setup()
    {
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        app = new QCoreApplication(argc, argv);
        MsgBox::setHandler(&handler);
        const QString program = dir.filePath(QStringLiteral("program"));
        QDir().mkpath(program + QStringLiteral("/docs"));
        writeFile(program + QStringLiteral("/tool.sh"), "#!/bin/sh\n");
        writeFile(program + QStringLiteral("/archive.zip"), QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
        writeFile(program + QStringLiteral("/m.mkr"), "<Talvoren V4 Makrodatei>\r\nTST 0\r\n");
        writeFile(program + QStringLiteral("/notes.txt"), "keine Makrodatei\r\n");
        QImage strip(32, 16, QImage::Format_RGB32);
        strip.fill(Qt::darkCyan);
        if (!strip.save(program + QStringLiteral("/pic.bmp"), "BMP"))
            std::abort();
        AppContext::setProgramDirectory(program + QLatin1Char('/'));
    }
    QCoreApplication *app;
    SilentHandler handler;
    QTemporaryDir dir;
};

std::unique_ptr<Project> load(const QString &file, LoadReport &report)
{
    return ReadProjectFile(file, report);
}

QByteArray bytesOf(const Project &project)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!WriteProjectData(project, buffer, Volumes::volumeOf(project.fileName)))
        std::abort();
    return buffer.data();
}

bool isParseProblem(const QString &problem)
{
    return !problem.startsWith(QLatin1String("Projekteintrag: "));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Setup setup;
    const QString file = setup.dir.filePath(QStringLiteral("input.prj"));
    writeFile(file, QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));

    LoadReport report;
    const auto project = load(file, report);
    if (!project)
        return 0;
    if (report.linesRead != report.linesInFile || report.entriesRead != report.entriesInFile)
        std::abort();

    const QString copy = setup.dir.filePath(QStringLiteral("copy.prj"));
    const QByteArray first = bytesOf(*project);
    writeFile(copy, first);
    LoadReport again;
    const auto reread = load(copy, again);
    if (!reread || reread->tree.count() != project->tree.count())
        std::abort();
    for (const QString &problem : again.problems) {
        if (isParseProblem(problem))
            std::abort();
    }
    if (bytesOf(*reread) != first)
        std::abort();
    return 0;
}
