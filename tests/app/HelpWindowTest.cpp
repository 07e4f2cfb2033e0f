#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "app/HelpWindow.h"
#include "common/AppContext.h"
#include "common/DialogParts.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "common/TMsgBoxForm.h"
#include "common/settings/Settings.h"
#include "filemanager/TDateimanagerForm.h"
#include "platform/TextFile.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QByteArray helpText()
{
    QByteArray html = "<html><body><a name=\"inhalt\"></a><h1>Inhalt</h1>";
    for (int i = 0; i < 200; ++i)
        html += "<p>Fülltext " + QByteArray::number(i) + "</p>";
    html += "<a name=\"80030\"></a><h2>Projektdatei nicht gefunden</h2>";
    for (int i = 0; i < 200; ++i)
        html += "<p>Mehr Text " + QByteArray::number(i) + "</p>";
    return html + "<a name=\"50100\"></a><h2>Dateimanager</h2></body></html>";
}

// The topic the help window shows; "none" without a window.
QString shownTopic()
{
    return HelpWindow::current() ? HelpWindow::current()->browser()->source().fragment() : QStringLiteral("none");
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
    void f1OpensTheTopicOfTheActiveWindow_data();
    void f1OpensTheTopicOfTheActiveWindow();
    void helpFromAMessageBoxStaysWhenTheBoxCloses();
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

void HelpWindowTest::f1OpensTheTopicOfTheActiveWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("topic");
    QTest::newRow("dialog") << "dialog"
                            << "80030";
    QTest::newRow("dialog opened from it, without a context") << "sub-dialog"
                                                              << "80030";
    QTest::newRow("dialog with only a help button") << "button"
                                                    << "80030";
    QTest::newRow("message box") << "box"
                                 << "80030";
    QTest::newRow("window without a context") << "window"
                                              << "";
    QTest::newRow("file manager") << "file manager"
                                  << "50100";
}

void HelpWindowTest::f1OpensTheTopicOfTheActiveWindow()
{
    QFETCH(QString, window);
    QFETCH(QString, topic);
    TestEnvironment env;
    AppContext::setHelpFileName(env.writeFile(QStringLiteral("Hilfe.html"), helpText()));
    QString shown = QStringLiteral("nothing");
    ModalSeam::ScopedHandler seam([&](QDialog *dialog) {
        QTest::keyClick(dialog, Qt::Key_F1);
        shown = shownTopic();
        return int(QDialog::Rejected);
    });

    QDialog owner;
    (new QVBoxLayout(&owner))->addLayout(MakeDialogButtonRow(&owner, new QPushButton(&owner), 80030));
    if (window == QLatin1String("dialog")) {
        RunModal(&owner);
    } else if (window == QLatin1String("sub-dialog")) {
        owner.show();
        QDialog inner(&owner);
        (new QVBoxLayout(&inner))->addLayout(MakeDialogButtonRow(&inner, new QPushButton(&inner), 0));
        RunModal(&inner);
    } else if (window == QLatin1String("button")) {
        QDialog dialog;
        auto *help = new QPushButton(QStringLiteral("Hilfe"), &dialog);
        help->setObjectName(QStringLiteral("Button_Hilfe"));
        connect(help, &QPushButton::clicked, &dialog, [] { ShowHelp(80030); });
        RunModal(&dialog);
    } else if (window == QLatin1String("box")) {
        TMsgBoxForm box;
        box.prepare({QStringLiteral("Fehler: Projektdatei nicht gefunden..."), QStringLiteral("Text"), MsgBox::Error,
                     MsgBox::ErrorBeep, MsgBox::Ok, 80030});
        RunModal(&box);
    } else if (window == QLatin1String("file manager")) {
        TDateimanagerForm fileManager{Settings()};
        RunModal(&fileManager);
    } else {
        QWidget plain;
        plain.show();
        QTest::keyClick(&plain, Qt::Key_F1);
        shown = shownTopic();
    }
    QCOMPARE(shown, topic);
}

// The help window opened from a message box passes to the window below when
// the box closes, and stays shown in front of it.
void HelpWindowTest::helpFromAMessageBoxStaysWhenTheBoxCloses()
{
    TestEnvironment env;
    AppContext::setHelpFileName(env.writeFile(QStringLiteral("Hilfe.html"), helpText()));
    QWidget main;
    main.show();
    TMsgBoxForm box;
    box.prepare({QStringLiteral("Frage ?"), QStringLiteral("Text"), MsgBox::Question, MsgBox::QuestionBeep,
                 MsgBox::Yes | MsgBox::No | MsgBox::Help, 80030});
    ModalSeam::ScopedHandler seam([&](QDialog *) {
        ShowHelp(80030);
        return int(MsgBox::ResultNo);
    });
    RunModal(&box);
    QVERIFY(!box.isVisible());
    QVERIFY(HelpWindow::current());
    QVERIFY(HelpWindow::current()->parentWidget() != &box);
    QVERIFY(HelpWindow::current()->isVisible());
    QCOMPARE(shownTopic(), QStringLiteral("80030"));
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
