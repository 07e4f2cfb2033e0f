#include "MainWindowTestSupport.h"

#include "FindChild.h"
#include "TestEnvironment.h"

#include <QFile>

namespace MainWindowTest {

namespace {

QByteArray entryBlock(int number, int parent, const QString &title)
{
    return "Item New\r\n  ItemNr=" + QByteArray::number(number) + "\r\n  ParentNr=" + QByteArray::number(parent)
           + "\r\n  Titel=" + title.toUtf8() + "\r\n  Image=3,4\r\n  Befehl=0,\r\nItem Done\r\n";
}

} // namespace

QByteArray projectText(const QString &name, const QStringList &titles, const QStringList &children)
{
    QByteArray text = "<Talvoren V4 Projektdatei>\r\n\r\nProjekt=" + name.toUtf8()
                      + "\r\nExpandItems=0\r\nImages verwenden=1\r\n\r\n";
    int number = 0;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const int self = number;
        text += entryBlock(number++, -1, titles[i]);
        if (i == 0) {
            for (const QString &child : children)
                text += entryBlock(number++, self, child);
        }
    }
    return text;
}

QString writeProject(const TestEnvironment &env, const QString &relative, const QStringList &titles,
                     const QStringList &children)
{
    return env.writeFile(relative, projectText(QStringLiteral("Test"), titles, children));
}

std::unique_ptr<TMainForm> makeWindow(const StartConfig &config)
{
    auto window = std::make_unique<TMainForm>(config);
    window->show();
    return window;
}

QAction *action(const TMainForm &window, const char *name)
{
    return child<QAction>(&window, name);
}

QString fileText(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace MainWindowTest
