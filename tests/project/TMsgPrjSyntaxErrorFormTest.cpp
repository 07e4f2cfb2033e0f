#include "project/TMsgPrjSyntaxErrorForm.h"
#include "FindChild.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "common/Sound.h"
#include "project/ProjectFile.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

LoadReport report(int entriesRead, int entriesInFile, int linesRead, int linesInFile)
{
    LoadReport r;
    r.fileName = QStringLiteral("/Medien/CD-Katalog/Spiele.PRJ");
    r.problems = {QStringLiteral("Projekteintrag: 3 - In der Befehlszeile definierte(s) Datei/Verzeichnis "
                                 "\"\\spiele\\fehlt.exe\" konnte nicht gefunden werden."),
                  QStringLiteral("Projekteintrag: 7 - Als Befehlsnummer wurde \"Entpacken\" gewählt, jedoch in der "
                                 "Befehlszeile keine Archivdatei die entpackt werden könnte angegeben.")};
    r.entriesRead = entriesRead;
    r.entriesInFile = entriesInFile;
    r.linesRead = linesRead;
    r.linesInFile = linesInFile;
    return r;
}

bool isRed(QWidget &form, const char *name)
{
    return child<QLabel>(&form, name)->palette().color(QPalette::WindowText) == QColor(Qt::red);
}

} // namespace

class TMsgPrjSyntaxErrorFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void texts();
    void redCounts_data();
    void redCounts();
    void memo();
    void showReport_data();
    void showReport();
    void noProblemNoWindow();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TMsgPrjSyntaxErrorFormTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    Sound::resetLastSound();
}

void TMsgPrjSyntaxErrorFormTest::texts()
{
    TMsgPrjSyntaxErrorForm form(report(12, 1234, 2048, 1234567));
    QCOMPARE(form.windowTitle(), QStringLiteral("Syntaxfehler in der Projektdatei"));
    QCOMPARE(labelText(&form, "PrjFileLabel"), QStringLiteral("/Medien/CD-Katalog/Spiele.PRJ"));
    QCOMPARE(labelText(&form, "AnzahlLabel1"), QStringLiteral("12"));
    QCOMPARE(labelText(&form, "AnzahlLabel2"), QStringLiteral("1.234"));
    QCOMPARE(labelText(&form, "AnzahlLabel3"), QStringLiteral("2.048"));
    QCOMPARE(labelText(&form, "AnzahlLabel4"), QStringLiteral("1.234.567"));
}

void TMsgPrjSyntaxErrorFormTest::redCounts_data()
{
    QTest::addColumn<int>("entriesRead");
    QTest::addColumn<int>("entriesInFile");
    QTest::addColumn<int>("linesRead");
    QTest::addColumn<int>("linesInFile");
    QTest::addColumn<bool>("entriesRed");
    QTest::addColumn<bool>("linesRed");

    QTest::newRow("all read") << 5 << 5 << 40 << 40 << false << false;
    QTest::newRow("entries missing") << 4 << 5 << 40 << 40 << true << false;
    QTest::newRow("lines missing") << 5 << 5 << 38 << 40 << false << true;
    QTest::newRow("file unreadable for counting") << 5 << -1 << 40 << -1 << true << true;
}

void TMsgPrjSyntaxErrorFormTest::redCounts()
{
    QFETCH(int, entriesRead);
    QFETCH(int, entriesInFile);
    QFETCH(int, linesRead);
    QFETCH(int, linesInFile);

    TMsgPrjSyntaxErrorForm form(report(entriesRead, entriesInFile, linesRead, linesInFile));
    QTEST(isRed(form, "AnzahlLabel1"), "entriesRed");
    QTEST(isRed(form, "AnzahlLabel3"), "linesRed");
    QVERIFY(!isRed(form, "AnzahlLabel2"));
    QVERIFY(!isRed(form, "AnzahlLabel4"));
}

void TMsgPrjSyntaxErrorFormTest::memo()
{
    const LoadReport r = report(1, 1, 1, 1);
    TMsgPrjSyntaxErrorForm form(r);
    auto *memo = form.findChild<QPlainTextEdit *>("ErrorMemo");
    QVERIFY(memo);
    QCOMPARE(memo->toPlainText().split(QLatin1Char('\n')), r.problems);
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TMsgPrjSyntaxErrorFormTest::showReport_data()
{
    QTest::addColumn<bool>("hasHelpFile");
    QTest::newRow("help file") << true;
    QTest::newRow("no help file") << false;
}

void TMsgPrjSyntaxErrorFormTest::showReport()
{
    QFETCH(bool, hasHelpFile);
    AppContext::setHelpFileName(hasHelpFile ? m_env->path(QStringLiteral("Brekko.hlp")) : QString());
    QList<int> contexts;
    const Help::Handler previousHelp = Help::setHandler([&](int context) { contexts.append(context); });

    QString shownClass;
    int soundOnShow = -1;
    bool helpEnabled = false;
    bool openAfterHelp = false;
    bool closedByOk = false;
    {
        ModalSeam::ScopedHandler handler([&](QDialog *dialog) {
            shownClass = QString::fromLatin1(dialog->metaObject()->className());
            soundOnShow = Sound::lastSound();
            QPushButton *help = dialog->findChild<QPushButton *>("Button_Hilfe");
            helpEnabled = help->isEnabled();
            QTest::mouseClick(help, Qt::LeftButton);
            openAfterHelp = dialog->isVisible();
            QTest::mouseClick(dialog->findChild<QPushButton *>("Button_Ok"), Qt::LeftButton);
            closedByOk = !dialog->isVisible();
            return dialog->result();
        });
        ShowSyntaxReport(report(2, 3, 20, 25), nullptr);
    }
    Help::setHandler(previousHelp);

    QCOMPARE(shownClass, QStringLiteral("TMsgPrjSyntaxErrorForm"));
    QCOMPARE(soundOnShow, 48);
    QCOMPARE(helpEnabled, hasHelpFile);
    QVERIFY(openAfterHelp);
    QVERIFY(closedByOk);
    QCOMPARE(contexts, hasHelpFile ? QList<int>{80080} : QList<int>{});
}

void TMsgPrjSyntaxErrorFormTest::noProblemNoWindow()
{
    int shown = 0;
    ModalSeam::ScopedHandler handler([&](QDialog *) { return ++shown; });
    LoadReport clean = report(5, 5, 40, 40);
    clean.problems.clear();
    ShowSyntaxReport(clean, nullptr);
    QCOMPARE(shown, 0);
}

BREKKO_TEST_MAIN(TMsgPrjSyntaxErrorFormTest)
#include "TMsgPrjSyntaxErrorFormTest.moc"
