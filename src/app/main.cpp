#include "app/CommandLineTool.h"
#include "app/Startup.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CommandLineTool::wanted(arguments)) {
        QCoreApplication app(argc, argv);
        return CommandLineTool::run(arguments);
    }
    QApplication app(argc, argv);
    return RunBrekko(app);
}
