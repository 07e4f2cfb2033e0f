#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "app/HelpWindow.h"
#include "common/AppContext.h"
#include "common/Help.h"
#include "platform/TextFile.h"

#include <QDialog>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

QByteArray helpText()
{
    QByteArray html = "<html><body><a name=\"inhalt\"></a><h1>Inhalt</h1>";
    for (int i = 0; i < 200; ++i)
        html += "<p>Fülltext " + QByteArray::number(i) + "</p>";
    html += "<a name=\"80030\"></a><h2>Projektdatei nicht gefunden</h2>";
    for (int i = 0; i < 200; ++i)
        html += "<p>Mehr Text " + QByteArray::number(i) + "</p>";
    return html + "</body></html>";
}

int scrollPosition()
{
    return HelpWindow::current()->browser()->verticalScrollBar()->value();
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { HelpWindow::install(); }
    void cleanup() { delete HelpWindow::current(); }
    void opensAtTheTopicAndTheContents();
    void nothingWithoutHelpFile();
    void usableFromAModalDialog();
    void shippedFileHasEveryTopic_data();
    void shippedFileHasEveryTopic();
};

void HelpWindowTest::opensAtTheTopicAndTheContents()
{
    TestEnvironment env;
    AppContext::setHelpFileName(env.writeFile(QStringLiteral("Hilfe.html"), helpText()));

    ShowHelp(80030);
    QVERIFY(HelpWindow::current());
    QVERIFY(HelpWindow::current()->isVisible());
    QCOMPARE(HelpWindow::current()->browser()->source().fragment(), QStringLiteral("80030"));
    const int atTopic = scrollPosition();
    QVERIFY(atTopic > 0);

    ShowHelp(HelpWindow::kContents);
    QCOMPARE(scrollPosition(), 0);
    ShowHelp(80030);
    QCOMPARE(scrollPosition(), atTopic);
    ShowHelp(12345);
    QCOMPARE(HelpWindow::current()->browser()->source().fragment(), QString());
    QCOMPARE(scrollPosition(), 0);
}

void HelpWindowTest::nothingWithoutHelpFile()
{
    TestEnvironment env;
    ShowHelp(80030);
    QVERIFY(!HelpWindow::current());
}

void HelpWindowTest::usableFromAModalDialog()
{
    TestEnvironment env;
    AppContext::setHelpFileName(env.writeFile(QStringLiteral("Hilfe.html"), helpText()));
    QDialog dialog;
    QWidget *owner = nullptr;
    QTimer::singleShot(0, &dialog, [&] {
        ShowHelp(80030);
        owner = HelpWindow::current()->parentWidget();
        dialog.reject();
    });
    dialog.exec();
    QCOMPARE(owner, &dialog);
}

void HelpWindowTest::shippedFileHasEveryTopic_data()
{
    QTest::addColumn<int>("context");
    for (int context :
         {80010, 80020, 80030, 80040, 80050, 80060, 80070, 80080, 80090, 80240, 80250, 80260, 80270, 80330})
        QTest::newRow(qPrintable(QString::number(context))) << context;
}

void HelpWindowTest::shippedFileHasEveryTopic()
{
    QFETCH(int, context);
    QString html;
    QVERIFY(TextFile::readText(QStringLiteral(BREKKO_RESOURCES_DIR "/help/Brekko.html"), html));
    QCOMPARE(html.count(QStringLiteral("<a name=\"%1\">").arg(context)), 1);
    QVERIFY(html.contains(QStringLiteral("href=\"#%1\"").arg(context)));
}

BREKKO_TEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
