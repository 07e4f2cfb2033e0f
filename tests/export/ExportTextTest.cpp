#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "export/ExportText.h"
#include "export/ExportTextCommand.h"
#include "project/Project.h"
#include "project/ProjectFile.h"

#include <QTest>
#include <QTextStream>

namespace {

ExportFields fields(bool title, bool comment, bool command)
{
    Settings defaults;
    ExportFields result = ExportFields::fromSettings(defaults);
    result.title.enabled = title;
    result.comment.enabled = comment;
    result.command.enabled = command;
    return result;
}

ProjectEntry *add(ProjectTree &tree, ProjectEntry *parent, const QString &title, const QStringList &comment = {},
                  const QString &command = {})
{
    auto entry = std::make_unique<ProjectEntry>(title);
    entry->record.comment = comment;
    entry->record.command = command;
    return tree.append(parent, std::move(entry));
}

// A parent with an empty comment and command, and one child with two
// comment lines and a command line.
void buildExample(ProjectTree &tree)
{
    ProjectEntry *parent = add(tree, nullptr, QStringLiteral("Programme"));
    add(tree, parent, QStringLiteral("Editor"), {QStringLiteral("Erste Zeile"), QStringLiteral("Zweite")},
        QStringLiteral("\\bin\\edit.exe"));
}

} // namespace

class ExportTextTest : public QObject {
    Q_OBJECT

private slots:
    void exampleGivesSixLines()
    {
        ProjectTree tree;
        buildExample(tree);
        QStringList lines{QStringLiteral("old")};
        RenderProjectText(lines, tree, fields(true, true, true));
        QCOMPARE(lines, (QStringList{QStringLiteral("Programme"), QStringLiteral("  "), QStringLiteral(" Editor"),
                                     QStringLiteral("   Erste Zeile"), QStringLiteral("   Zweite"),
                                     QStringLiteral("   \\bin\\edit.exe")}));
    }

    void renderRules_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("comment");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("titleOn");
        QTest::addColumn<bool>("commentOn");
        QTest::addColumn<bool>("commandOn");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("title trimmed of blanks and controls")
            << QStringLiteral(" \tName\x01 ") << QStringList() << QString() << true << false << false
            << QStringList{QStringLiteral("Name")};
        QTest::newRow("comment lines kept as stored, empty ones too")
            << QStringLiteral("x") << QStringList{QStringLiteral(" a "), QString(), QStringLiteral("b")} << QString()
            << false << true << false
            << QStringList{QStringLiteral("   a "), QStringLiteral("  "), QStringLiteral("  b")};
        QTest::newRow("empty comment adds nothing")
            << QStringLiteral("x") << QStringList() << QString() << false << true << false << QStringList();
        QTest::newRow("command not trimmed") << QStringLiteral("x") << QStringList() << QStringLiteral(" run ") << false
                                             << false << true << QStringList{QStringLiteral("   run ")};
        QTest::newRow("all areas off") << QStringLiteral("x") << QStringList{QStringLiteral("c")}
                                       << QStringLiteral("cmd") << false << false << false << QStringList();
    }

    void renderRules()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, comment);
        QFETCH(QString, command);
        QFETCH(bool, titleOn);
        QFETCH(bool, commentOn);
        QFETCH(bool, commandOn);
        QFETCH(QStringList, expected);
        ProjectTree tree;
        add(tree, nullptr, title, comment, command);
        QStringList lines;
        RenderProjectText(lines, tree, fields(titleOn, commentOn, commandOn));
        QCOMPARE(lines, expected);
    }

    void emptyProjectRendersNothing()
    {
        ProjectTree tree;
        QStringList lines{QStringLiteral("old")};
        RenderProjectText(lines, tree, fields(true, true, true));
        QVERIFY(lines.isEmpty());
    }

    // A deep chain renders without recursion; its indentation stops growing
    // at kMaxDrawnLevels, and the text says so at its end.
    void deepChainIndentationIsCapped_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("blanks");
        QTest::newRow("rendering") << 0 << 1;
        QTest::newRow("below each other") << 1 << 3;
        QTest::newRow("side by side") << 2 << 3;
    }

    void deepChainIndentationIsCapped()
    {
        QFETCH(int, layout);
        QFETCH(int, blanks);
        ProjectTree tree;
        ProjectEntry *parent = nullptr;
        for (int i = 0; i < 20000; ++i)
            parent = add(tree, parent, QStringLiteral("e"));
        TextExportOptions options;
        options.fields = fields(true, false, false);
        options.sideBySide = layout == 2;
        options.blanksPerLevel = blanks;
        QStringList lines;
        if (layout == 0)
            RenderProjectText(lines, tree, options.fields);
        else
            lines = ComposeExportText(tree, options);
        QCOMPARE(lines.size(), 20001);
        QCOMPARE(lines.at(99), QString(99 * blanks, QLatin1Char(' ')) + QLatin1Char('e'));
        QCOMPARE(lines.at(100), QString(kMaxDrawnLevels * blanks, QLatin1Char(' ')) + QLatin1Char('e'));
        QCOMPARE(lines.at(19999), lines.at(100));
        QCOMPARE(lines.last(), kIndentCappedNote);
    }

    void structuredLayoutWithOneBlankEqualsRendering()
    {
        ProjectTree tree;
        buildExample(tree);
        TextExportOptions options;
        options.fields = fields(true, true, true);
        options.sideBySide = false;
        options.blanksPerLevel = 1;
        QStringList rendered;
        RenderProjectText(rendered, tree, options.fields);
        QCOMPARE(ComposeExportText(tree, options), rendered);
    }

    void composedOptions_data()
    {
        QTest::addColumn<int>("order");
        QTest::addColumn<bool>("sideBySide");
        QTest::addColumn<bool>("useSeparators");
        QTest::addColumn<int>("blanks");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("structured, command first, three blanks")
            << 4 << false << true << 3 << QStringList{QStringLiteral("  "),
                                                      QStringLiteral("Programme"),
                                                      QStringLiteral("     \\bin\\edit.exe"),
                                                      QStringLiteral("   Editor"),
                                                      QStringLiteral("     Erste Zeile"),
                                                      QStringLiteral("     Zweite")};
        QTest::newRow("structured without separators, no blanks")
            << 1 << false << false << 0 << QStringList{QStringLiteral("Programme"),   QString(),
                                                       QStringLiteral("Editor"),      QStringLiteral("\\bin\\edit.exe"),
                                                       QStringLiteral("Erste Zeile"), QStringLiteral("Zweite")};
        QTest::newRow("table, title comment command")
            << 0 << true << true << 2
            << QStringList{QStringLiteral("Programme"), QStringLiteral("  Editor   Erste Zeile  \\bin\\edit.exe"),
                           QString(11, QLatin1Char(' ')) + QStringLiteral("Zweite")};
        QTest::newRow("table, comment first")
            << 2 << true << true << 2
            << QStringList{QString(13, QLatin1Char(' ')) + QStringLiteral("Programme"),
                           QStringLiteral("  Erste Zeile  Editor   \\bin\\edit.exe"), QStringLiteral("  Zweite")};
    }

    void composedOptions()
    {
        QFETCH(int, order);
        QFETCH(bool, sideBySide);
        QFETCH(bool, useSeparators);
        QFETCH(int, blanks);
        QFETCH(QStringList, expected);
        ProjectTree tree;
        buildExample(tree);
        TextExportOptions options;
        options.fields = fields(true, true, true);
        options.order = order;
        options.sideBySide = sideBySide;
        options.useSeparators = useSeparators;
        options.blanksPerLevel = blanks;
        QCOMPARE(ComposeExportText(tree, options), expected);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");

        QTest::newRow("settings areas") << QStringList() << 0 << QStringLiteral("Programme\n Editor\n");
        QTest::newRow("comment and command") << QStringList{QStringLiteral("--fields"), QStringLiteral("ct")} << 0
                                             << QStringLiteral("  \n   Erste Zeile\n   Zweite\n   \\bin\\edit.exe\n");
        QTest::newRow("unknown letter") << QStringList{QStringLiteral("--fields"), QStringLiteral("bx")} << 2
                                        << QString();
        QTest::newRow("missing value") << QStringList{QStringLiteral("--fields")} << 2 << QString();
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        TestEnvironment env;
        Project project;
        buildExample(project.tree);
        const QString file = env.path(QStringLiteral("k.prj"));
        QVERIFY(SaveProjectFile(project, file, SaveOptions{false, {}}));
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        QCOMPARE(RunExportTextCommand(QStringList{QStringLiteral("--export-text"), file} + arguments, QString(),
                                      outStream, errStream),
                 exitCode);
        QCOMPARE(out, output);
        QCOMPARE(err.isEmpty(), exitCode == 0);
    }

    void commandLineMissingFileFails()
    {
        TestEnvironment env;
        MsgBoxRecorder boxes;
        boxes.answer(MsgBox::ResultOk);
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        QCOMPARE(RunExportTextCommand({QStringLiteral("--export-text"), env.path(QStringLiteral("none.prj"))},
                                      QString(), outStream, errStream),
                 2);
        QVERIFY(out.isEmpty());
        QCOMPARE(boxes.count(), 1);
    }
};

BREKKO_TEST_MAIN(ExportTextTest)
#include "ExportTextTest.moc"
