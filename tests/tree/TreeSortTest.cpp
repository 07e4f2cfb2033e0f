#include "tree/TreeSort.h"
#include "MsgBoxRecorder.h"
#include "TestRegistry.h"
#include "TreeText.h"
#include "tree/GoToPosition.h"

#include <QTest>

class TreeSortTest : public QObject {
    Q_OBJECT

private slots:
    void germanCaseSensitiveOrder_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("sorted");
        QTest::newRow("umlauts beside their base letter") << "Zebra|Birne|Äpfel|Apfel|Öl|Ofen"
                                                          << "Apfel|Äpfel|Birne|Ofen|Öl|Zebra";
        QTest::newRow("letters before case, lower case first") << "Beta|alpha|Alpha|beta|ALPHA"
                                                               << "alpha|Alpha|ALPHA|beta|Beta";
        QTest::newRow("sharp s") << "Strasse|Straße|Strassen"
                                 << "Strasse|Straße|Strassen";
        QTest::newRow("equal titles keep their order") << "b|a|b|a"
                                                       << "a|a|b|b";
    }

    void germanCaseSensitiveOrder()
    {
        QFETCH(QString, tree);
        QFETCH(QString, sorted);
        ProjectTree projectTree;
        TreeText::build(projectTree, tree);
        const std::vector<ProjectEntry *> before = projectTree.preOrder();
        SortLevel(projectTree, nullptr);
        QCOMPARE(TreeText::text(projectTree), sorted);
        if (QTest::currentDataTag() == QByteArray("equal titles keep their order")) {
            QCOMPARE(projectTree.entryAt(0), before[1]);
            QCOMPARE(projectTree.entryAt(1), before[3]);
        }
    }

    void levels_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("sorted");
        const QString unsorted = QStringLiteral("c|.z|.y|..q|..p|b|.x|.w|a");
        QTest::newRow("sub-entries of one entry, one level only") << "c"
                                                                  << "c|.y|..q|..p|.z|b|.x|.w|a";
        QTest::newRow("top level only") << ""
                                        << "a|b|.x|.w|c|.z|.y|..q|..p";
        QTest::newRow("all levels") << "*"
                                    << "a|b|.w|.x|c|.y|..p|..q|.z";
    }

    void levels()
    {
        QFETCH(QString, selected);
        QFETCH(QString, sorted);
        ProjectTree tree;
        TreeText::build(tree, QStringLiteral("c|.z|.y|..q|..p|b|.x|.w|a"));
        if (selected == QLatin1String("*"))
            SortAllLevels(tree);
        else
            SortLevel(tree, TreeText::find(tree, selected));
        QCOMPARE(TreeText::text(tree), sorted);
        // The cached positions follow the new order.
        for (int i = 0; i < tree.count(); ++i)
            QCOMPARE(tree.absoluteIndex(tree.entryAt(i)), i);
    }

    void deepChainSortsWithoutRecursion()
    {
        ProjectTree tree;
        ProjectEntry *parent = nullptr;
        for (int i = 0; i < 50000; ++i) {
            ProjectEntry *entry = tree.append(parent, std::make_unique<ProjectEntry>(QStringLiteral("b")));
            tree.append(parent, std::make_unique<ProjectEntry>(QStringLiteral("a")));
            parent = entry;
        }
        SortAllLevels(tree);
        QCOMPARE(tree.entryAt(0)->title, QStringLiteral("a"));
        QCOMPARE(tree.count(), 100000);
    }

    void positions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("first") << "1" << 1;
        QTest::newRow("last equals count") << "7" << 7;
        QTest::newRow("blanks around") << "  3 " << 3;
        QTest::newRow("leading zeros") << "00004" << 4;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("past the end") << "8" << 0;
        QTest::newRow("not a number") << "drei" << 0;
        QTest::newRow("hex is not decimal") << "0x3" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("negative") << "-1" << 0;
    }

    void positions()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QCOMPARE(ParsePosition(text, 7), position);
    }

    void invalidPositionBox()
    {
        MsgBoxRecorder recorder;
        recorder.answer(MsgBox::ResultOk);
        ShowInvalidPosition();
        QCOMPARE(recorder.count(), 1);
        const MsgBox::Request &box = recorder.last();
        QCOMPARE(box.caption, QStringLiteral("Fehler: Ungültige Angabe..."));
        QCOMPARE(box.text, QStringLiteral("Der angegebene Wert ist kein gültiger Positionswert."));
        QCOMPARE(box.buttons, int(MsgBox::Ok));
        QCOMPARE(box.helpContext, 0);
        QCOMPARE(box.icon, int(MsgBox::Error));
    }
};

BREKKO_TEST_MAIN(TreeSortTest)
#include "TreeSortTest.moc"
