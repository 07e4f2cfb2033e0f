#include "TestEnvironment.h"

#include "ScratchMount.h"
#include "TestRegistry.h"
#include "export/print/PdfExport.h"
#include "project/ProjectFile.h"
#include "stats/StatisticsEntry.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &pdf)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pageText(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                                             QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QString writeCatalogue(const TestEnvironment &env, int entries)
{
    Project project;
    project.name = QStringLiteral("Katalog");
    for (int i = 0; i < entries; ++i) {
        ProjectEntry *entry =
            project.tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral("Eintrag %1").arg(i)));
        entry->record.comment = {QStringLiteral("Kommentar %1").arg(i)};
        entry->record.command = QStringLiteral("prog%1.exe").arg(i);
    }
    return env.writeFile(QStringLiteral("Katalog.prj"), ProjectFileText(project).toUtf8());
}

int printCommand(const QStringList &args, QString *errors = nullptr)
{
    QString text;
    QTextStream err(&text);
    const int code = RunPrintCommand(args, err);
    err.flush();
    if (errors)
        *errors = text;
    return code;
}

} // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT

private slots:
    void pagesCarryHeaderFooterAndTheirText();
    void labelFormatGivesMorePages();
    void refusals_data();
    void refusals();
    void readOnlyFolderFails();
    void statsPrintsTheAllEntriesLines();
};

void PrintCommandTest::pagesCarryHeaderFooterAndTheirText()
{
    TestEnvironment env;
    const QString prj = writeCatalogue(env, 150);
    const QString pdf = env.path(QStringLiteral("liste.pdf"));
    QCOMPARE(
        printCommand({"--print", prj, "--pdf", pdf, "--header", "&cSeite &p", "--footer", "&r&f", "--frame", "LRTB"}),
        0);
    const int pages = pdfPages(pdf);
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));

    const QString first = pageText(pdf, 1);
    QVERIFY(first.contains(QStringLiteral("Seite 1")));
    QVERIFY(first.contains(QStringLiteral("liste.pdf")));
    QVERIFY(first.contains(QStringLiteral("Eintrag 0\n")));
    QVERIFY(!first.contains(QStringLiteral("Eintrag 149")));
    QVERIFY(!first.contains(QStringLiteral("&")));

    const QString last = pageText(pdf, pages);
    QVERIFY(last.contains(QStringLiteral("Seite %1").arg(pages)));
    QVERIFY(last.contains(QStringLiteral("Eintrag 149")));
    QVERIFY(!last.contains(QStringLiteral("Eintrag 0\n")));
}

void PrintCommandTest::labelFormatGivesMorePages()
{
    TestEnvironment env;
    const QString prj = writeCatalogue(env, 150);
    const QString whole = env.path(QStringLiteral("a4.pdf"));
    const QString zip = env.path(QStringLiteral("zip.pdf"));
    QCOMPARE(printCommand({"--print", prj, "--pdf", whole}), 0);
    QCOMPARE(printCommand({"--print", prj, "--pdf", zip, "--format", "zip-medium"}), 0);
    QVERIFY(pdfPages(zip) > 2 * pdfPages(whole));
    // The label's text stays in its corner: nothing right of 72 mm.
    const QString text = run(QStringLiteral("pdftotext"),
                             {"-f", "1", "-l", "1", "-x", "300", "-y", "0", "-W", "300", "-H", "800", zip, "-"});
    QVERIFY2(text.trimmed().isEmpty(), qPrintable(text));
}

void PrintCommandTest::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no output") << QStringList{"--print", "x.prj"} << "Aufruf";
    QTest::newRow("unknown format") << QStringList{"--print", "x.prj", "--pdf", "o.pdf", "--format", "A5"}
                                    << "Seitenformat";
    QTest::newRow("bad frame side") << QStringList{"--print", "x.prj", "--pdf", "o.pdf", "--frame", "LX"}
                                    << "Rahmenseiten";
    QTest::newRow("missing project") << QStringList{"--print", "/nonexistent/x.prj", "--pdf", "o.pdf"}
                                     << "nicht gefunden";
}

void PrintCommandTest::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QString errors;
    QCOMPARE(printCommand(args, &errors), 2);
    QVERIFY2(errors.contains(message), qPrintable(errors));
}

void PrintCommandTest::readOnlyFolderFails()
{
    TestEnvironment env;
    const QString prj = writeCatalogue(env, 3);
    const QString folder = env.makeFolder(QStringLiteral("ro"));
    const ScratchMount readOnly(folder, folder);
    REQUIRE_MOUNT(readOnly);
    QString errors;
    const int code = printCommand({"--print", prj, "--pdf", folder + QStringLiteral("/out.pdf")}, &errors);
    QCOMPARE(code, 2);
    QVERIFY(errors.contains(QStringLiteral("Drucken nicht möglich")));
}

void PrintCommandTest::statsPrintsTheAllEntriesLines()
{
    TestEnvironment env;
    const QString prj = writeCatalogue(env, 1200);
    QString text, errors;
    QTextStream out(&text), err(&errors);
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(RunStatsCommand({"--stats", prj}, out, err), 0);
    out.flush();
    QVERIFY(text.startsWith(QStringLiteral("Anzahl der Einträge: 1.200\n")));
    QVERIFY(text.contains(QStringLiteral("\nKommentar:\n  Zeilenanzahl: 1200\n  Durchschnittliche Zeilenanzahl: 1\n")));
    QVERIFY(text.contains(QStringLiteral("Durchschnittliche Zeichenanzahl: ")));
    QCOMPARE(RunStatsCommand({"--stats", env.path("none.prj")}, out, err), 2);
}

BREKKO_TEST_MAIN(PrintCommandTest)
#include "PrintCommandTest.moc"
