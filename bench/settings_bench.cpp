// Reading and saving a settings file with a very large Tools section, and
// starting the main window with it, compared with awk reading the same file
// into a table and cp copying it. Run with `make bench`.
#include "BenchTiming.h"

#include "app/StartConfig.h"
#include "app/TMainForm.h"
#include "common/AppContext.h"
#include "common/settings/SettingsReader.h"
#include "common/settings/SettingsWriter.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

double toolSeconds(const QString &command)
{
    return Measure([&command] { QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command}); }).wall;
}

QString writeSettingsFile(const QString &folder, int tools)
{
    QByteArray text = "<Talvoren V4 Ini-Datei>\r\n\r\n[Hauptfenster]\r\nLinks=10\r\n\r\n[Tools]\r\n";
    for (int n = 1; n <= tools; ++n)
        text += QByteArray::number(n) + "=Werkzeug " + QByteArray::number(n) + ",/usr/bin/tool --nummer "
                + QByteArray::number(n) + "\r\n";
    const QString file = folder + QStringLiteral("/Brekko-%1.ini").arg(tools);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        return {};
    return file;
}

bool measure(const QString &folder, int tools)
{
    const QString file = writeSettingsFile(folder, tools);
    Settings settings;
    const double read = Measure([&] { settings = ReadSettings(file); }).wall;
    Settings moved = settings;
    moved.left = 20;
    const double saveOne = Measure([&] { SaveSettings(file, settings, moved); }).wall;
    Settings renamed = moved;
    renamed.tools.first().caption = QStringLiteral("Erstes");
    const double saveTools = Measure([&] { SaveSettings(file, moved, renamed); }).wall;
    const double awk = toolSeconds(
        QStringLiteral("awk -F= '{ value[$1] = $2 } END { print length(value) }' '%1' > /dev/null").arg(file));
    const double cp = toolSeconds(QStringLiteral("cp '%1' '%1.cp'").arg(file));

    // Start-up: the settings are read, then the window is built and shown.
    StartConfig config;
    std::unique_ptr<TMainForm> window;
    const BenchTime start = Measure([&] {
        config.settings = ReadSettings(file);
        config.settingsFile = file;
        window = std::make_unique<TMainForm>(config);
        window->show();
        QCoreApplication::processEvents();
    });
    window.reset();

    std::printf("%7d tools (%5.1f MB): read %.3f s (awk into a table: %.3f s), save one key %.3f s, "
                "save the tools %.3f s (cp: %.3f s), read and open the main window %.3f s\n",
                tools, QFile(file).size() / 1e6, read, awk, saveOne, saveTools, cp, start.wall);
    return settings.tools.size() == tools && ReadSettings(file).tools.first().caption == QLatin1String("Erstes");
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppContext::setProgramDirectory(dir.path());
    std::printf("\nSettings file with a large Tools section:\n");
    bool right = measure(dir.path(), 40'000);
    right = measure(dir.path(), 200'000) && right;
    if (!right)
        std::printf("  the tools read back differ from those written\n");
    return right ? 0 : 1;
}
