#include "tree/TreeSearch.h"
#include "MsgBoxRecorder.h"
#include "TestRegistry.h"
#include "TreeText.h"

#include <QTest>

namespace {

// Titles A1..A5 with a comment and a command each; "Ziel" in chosen places.
void buildSample(ProjectTree &tree)
{
    TreeText::build(tree, QStringLiteral("Start|Ziel eins|.Unter|..Tiefes Ziel|Ende"));
    TreeText::find(tree, QStringLiteral("Unter"))->record.comment = {QStringLiteral("erste Zeile"),
                                                                     QStringLiteral("hier steht ZIEL")};
    TreeText::find(tree, QStringLiteral("Ende"))->record.command = QStringLiteral("/bin/ziel --x");
}

SearchSettings settingsFor(const QString &term)
{
    SearchSettings settings;
    settings.term = term;
    return settings;
}

QString titleOf(const ProjectEntry *entry)
{
    return entry ? entry->title : QStringLiteral("<none>");
}

} // namespace

Q_DECLARE_METATYPE(SearchField)

class TreeSearchTest : public QObject {
    Q_OBJECT

private slots:
    void termMatching_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("term");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("found");
        QTest::newRow("ascii folded") << "Textverarbeitung"
                                      << "VERARB" << false << true;
        QTest::newRow("ascii exact case") << "Textverarbeitung"
                                          << "VERARB" << true << false;
        QTest::newRow("umlaut not folded") << "Übersicht"
                                           << "übersicht" << false << false;
        QTest::newRow("umlaut same case") << "Die Übersicht"
                                          << "übersicht" << false << false;
        QTest::newRow("umlaut with folded rest") << "Die ÜBERSICHT"
                                                 << "Übersicht" << false << true;
        QTest::newRow("accent not folded") << "ÉCOLE"
                                           << "école" << false << false;
        QTest::newRow("at the end") << "abc"
                                    << "BC" << false << true;
        QTest::newRow("longer than text") << "ab"
                                          << "abc" << false << false;
        QTest::newRow("repeated prefix") << "aaab"
                                         << "AAB" << false << true;
    }

    void termMatching()
    {
        QFETCH(QString, text);
        QFETCH(QString, term);
        QFETCH(bool, matchCase);
        QFETCH(bool, found);
        QCOMPARE(ContainsSearchTerm(text, term, matchCase), found);
    }

    void fields_data()
    {
        QTest::addColumn<bool>("titles");
        QTest::addColumn<bool>("comments");
        QTest::addColumn<bool>("commands");
        QTest::addColumn<QString>("hit");
        QTest::addColumn<SearchField>("field");
        QTest::newRow("titles") << true << false << false << "Ziel eins" << SearchField::Title;
        QTest::newRow("comments only") << false << true << false << "Unter" << SearchField::Comment;
        QTest::newRow("commands only, titles ignored") << false << false << true << "Ende" << SearchField::Command;
    }

    void fields()
    {
        QFETCH(bool, titles);
        QFETCH(bool, comments);
        QFETCH(bool, commands);
        QFETCH(QString, hit);
        QFETCH(SearchField, field);
        ProjectTree tree;
        buildSample(tree);
        SearchSettings settings = settingsFor(QStringLiteral("ziel"));
        settings.searchTitles = titles;
        settings.searchComments = comments;
        settings.searchCommands = commands;
        const SearchResult result = FindInTree(tree, nullptr, settings, false);
        QCOMPARE(result.outcome, SearchResult::Found);
        QCOMPARE(titleOf(result.selection), hit);
        QCOMPARE(result.field, field);
    }

    void startPointAndContinuation_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("startAtFirst");
        QTest::addColumn<bool>("continueSearch");
        QTest::addColumn<QString>("hit");
        QTest::newRow("fresh from the start") << "Tiefes Ziel" << true << false << "Ziel eins";
        QTest::newRow("fresh at current finds the selected entry") << "Tiefes Ziel" << false << false << "Tiefes Ziel";
        QTest::newRow("continue skips the selected entry") << "Ziel eins" << true << true << "Tiefes Ziel";
        QTest::newRow("continue after the last hit finds nothing") << "Tiefes Ziel" << false << true << "";
        QTest::newRow("no selection, continuing, first entry counts") << "" << false << true << "Start";
    }

    void startPointAndContinuation()
    {
        QFETCH(QString, selected);
        QFETCH(bool, startAtFirst);
        QFETCH(bool, continueSearch);
        QFETCH(QString, hit);
        ProjectTree tree;
        buildSample(tree);
        SearchSettings settings =
            settingsFor(hit == QLatin1String("Start") ? QStringLiteral("sta") : QStringLiteral("ziel"));
        settings.startAtFirst = startAtFirst;
        const SearchResult result = FindInTree(tree, TreeText::find(tree, selected), settings, continueSearch);
        if (hit.isEmpty()) {
            QCOMPARE(result.outcome, SearchResult::NotFound);
            QCOMPARE(result.selection, nullptr);
        } else {
            QCOMPARE(result.outcome, SearchResult::Found);
            QCOMPARE(titleOf(result.selection), hit);
        }
    }

    void endBoxWithoutWrapAround()
    {
        ProjectTree tree;
        buildSample(tree);
        MsgBoxRecorder recorder;
        const SearchSettings settings = settingsFor(QStringLiteral("eins"));
        const SearchResult first = FindInTree(tree, nullptr, settings, false);
        ShowSearchOutcome(first);
        QCOMPARE(titleOf(first.selection), QStringLiteral("Ziel eins"));
        QCOMPARE(recorder.count(), 0);

        recorder.answer(MsgBox::ResultOk);
        const SearchResult again = FindInTree(tree, first.selection, settings, true);
        ShowSearchOutcome(again);
        QCOMPARE(again.outcome, SearchResult::NotFound);
        QCOMPARE(recorder.count(), 1);
        const MsgBox::Request &box = recorder.last();
        QCOMPARE(box.caption, QStringLiteral("Suche abgeschlossen"));
        QCOMPARE(box.text, QStringLiteral("Es konnte kein weiterer Projekteintrag gefunden\r"
                                          "werden, der den angegebenen Suchbegriff enthält."));
        QCOMPARE(box.icon, int(MsgBox::Question));
        QCOMPARE(box.sound, int(MsgBox::QuestionBeep));
        QCOMPARE(box.buttons, MsgBox::Ok | MsgBox::Help);
        QCOMPARE(box.helpContext, 80320);
    }

    void failedFreshSearchSelectsTheFirstEntry()
    {
        ProjectTree tree;
        buildSample(tree);
        MsgBoxRecorder recorder;
        recorder.answer(MsgBox::ResultOk);
        const SearchResult result =
            FindInTree(tree, TreeText::find(tree, QStringLiteral("Ende")), settingsFor(QStringLiteral("nix")), false);
        ShowSearchOutcome(result);
        QCOMPARE(result.outcome, SearchResult::NotFound);
        QCOMPARE(titleOf(result.selection), QStringLiteral("Start"));
        QCOMPARE(recorder.count(), 1);
    }

    void emptyTree()
    {
        ProjectTree tree;
        MsgBoxRecorder recorder;
        recorder.answer(MsgBox::ResultOk);
        const SearchResult result = FindInTree(tree, nullptr, settingsFor(QStringLiteral("x")), false);
        ShowSearchOutcome(result);
        QCOMPARE(result.outcome, SearchResult::EmptyTree);
        QCOMPARE(result.selection, nullptr);
        QCOMPARE(recorder.count(), 1);
        const MsgBox::Request &box = recorder.last();
        QCOMPARE(box.caption, QStringLiteral("Fehler: Keine Einträge vorhanden..."));
        QCOMPARE(box.text, QStringLiteral("Der Begriff kann nicht gesucht werden, da keine\r"
                                          "Projekt-/Baumeinträge vorhanden sind."));
        QCOMPARE(box.icon, int(MsgBox::Error));
        QCOMPARE(box.buttons, MsgBox::Ok | MsgBox::Help);
        QCOMPARE(box.helpContext, 80310);
    }

    void historyKeepsNewestNinetyNine()
    {
        SearchHistory history;
        for (int i = 1; i <= 101; ++i)
            history.add(QString::number(i));
        history.add(QStringLiteral("100"));
        QCOMPARE(history.items().size(), SearchHistory::kMaxItems);
        QCOMPARE(history.items().first(), QStringLiteral("100"));
        QCOMPARE(history.items().at(1), QStringLiteral("101"));
        QCOMPARE(history.items().at(2), QStringLiteral("100"));
        QCOMPARE(history.items().last(), QStringLiteral("4"));
    }
};

BREKKO_TEST_MAIN(TreeSearchTest)
#include "TreeSearchTest.moc"
