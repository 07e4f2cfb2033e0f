#include "app/CommandLineTool.h"
#include "app/Startup.h"
#include "platform/NativeNames.h"
#include "platform/ProcessMemory.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    ProcessMemory::KeepLargeBlocksApart();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(NativeNames::decode(argv[i]));
    if (CommandLineTool::wanted(arguments)) {
        // Page layout needs fonts, hence a GUI application, but no display.
        if (CommandLineTool::needsGui(arguments)) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
                && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            QGuiApplication app(argc, argv);
            return CommandLineTool::run(arguments);
        }
        QCoreApplication app(argc, argv);
        return CommandLineTool::run(arguments);
    }
    QApplication app(argc, argv);
    return RunBrekko(app, arguments);
}
