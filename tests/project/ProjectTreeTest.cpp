#include "project/ProjectTree.h"
#include "TestRegistry.h"

#include <QTest>

namespace {
QString titles(const ProjectTree &tree)
{
    QString text;
    for (const ProjectEntry *entry : tree.preOrder())
        text += QString(entry->depth(), QLatin1Char('.')) + entry->title + QLatin1Char(' ');
    return text.trimmed();
}

ProjectEntry *add(ProjectTree &tree, ProjectEntry *parent, const char *title)
{
    return tree.append(parent, std::make_unique<ProjectEntry>(QString::fromLatin1(title)));
}
} // namespace

class ProjectTreeTest : public QObject {
    Q_OBJECT

private slots:
    void indexesFollowEveryChangeOfShape();
    void siblingsAndAncestors();
};

void ProjectTreeTest::indexesFollowEveryChangeOfShape()
{
    ProjectTree tree;
    ProjectEntry *a = add(tree, nullptr, "A");
    ProjectEntry *b = add(tree, nullptr, "B");
    add(tree, b, "C");
    add(tree, nullptr, "D");
    QCOMPARE(titles(tree), QStringLiteral("A B .C D"));
    QCOMPARE(tree.absoluteIndex(tree.entryAt(2)->parent()), 1);

    add(tree, a, "E"); // below an earlier entry: everything after it moves
    QCOMPARE(titles(tree), QStringLiteral("A .E B .C D"));
    QCOMPARE(tree.absoluteIndex(b), 2);
    QCOMPARE(tree.entryAt(4)->title, QStringLiteral("D"));

    std::unique_ptr<ProjectEntry> taken = tree.take(b);
    QCOMPARE(titles(tree), QStringLiteral("A .E D"));
    QCOMPARE(tree.count(), 3);
    tree.insert(a, 0, std::move(taken));
    QCOMPARE(titles(tree), QStringLiteral("A .B ..C .E D"));
    QCOMPARE(b->row(), 0);
    QCOMPARE(tree.entryAt(4)->row(), 1);

    tree.reorderChildren(a, {1, 0});
    QCOMPARE(titles(tree), QStringLiteral("A .E .B ..C D"));
    QCOMPARE(b->row(), 1);
    QCOMPARE(tree.absoluteIndex(b), 2);
    QCOMPARE(tree.entryAt(99), nullptr);
    QCOMPARE(tree.absoluteIndex(tree.root()), -1);

    tree.clear();
    QVERIFY(tree.isEmpty());
    QCOMPARE(tree.count(), 0);
}

void ProjectTreeTest::siblingsAndAncestors()
{
    ProjectTree tree;
    ProjectEntry *a = add(tree, nullptr, "A");
    ProjectEntry *b = add(tree, nullptr, "B");
    ProjectEntry *c = add(tree, b, "C");
    QCOMPARE(a->previousSibling(), nullptr);
    QCOMPARE(a->nextSibling(), b);
    QCOMPARE(b->previousSibling(), a);
    QCOMPARE(b->nextSibling(), nullptr);
    QCOMPARE(c->nextSibling(), nullptr);
    QVERIFY(b->isAncestorOf(c));
    QVERIFY(b->isAncestorOf(b));
    QVERIFY(!c->isAncestorOf(b));
    QVERIFY(!a->isAncestorOf(c));
}

BREKKO_TEST_MAIN(ProjectTreeTest)
#include "ProjectTreeTest.moc"
