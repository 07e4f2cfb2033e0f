#include "MsgBoxRecorder.h"

#include "TestRegistry.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/TreeEditQuestions.h"
#include "tree/TreeEditing.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

// Builds a tree from "A(a1,a2(x)),B,C": titles, sub-entries in brackets.
// Entries with sub-entries get the automatic folder images, others leaf ones.
void build(ProjectTree &tree, ProjectEntry *parent, QStringView shape, qsizetype &pos)
{
    while (pos < shape.size()) {
        QString title;
        while (pos < shape.size() && shape[pos] != u',' && shape[pos] != u'(' && shape[pos] != u')')
            title += shape[pos++];
        auto entry = std::make_unique<ProjectEntry>(title);
        entry->imageIndex = 2;
        entry->selectedImageIndex = 3;
        ProjectEntry *added = tree.append(parent, std::move(entry));
        if (pos < shape.size() && shape[pos] == u'(') {
            ++pos;
            added->imageIndex = 0;
            added->selectedImageIndex = 1;
            build(tree, added, shape, pos);
        }
        if (pos < shape.size() && shape[pos] == u')') {
            ++pos;
            return;
        }
        if (pos < shape.size() && shape[pos] == u',')
            ++pos;
    }
}

void build(ProjectTree &tree, const QString &shape)
{
    qsizetype pos = 0;
    build(tree, nullptr, shape, pos);
}

// The tree written back in the same form.
QString shape(const ProjectEntry *parent)
{
    QStringList parts;
    for (const auto &child : parent->children())
        parts.append(child->title + (child->hasChildren() ? u'(' + shape(child.get()) + u')' : QString()));
    return parts.join(QLatin1Char(','));
}

ProjectEntry *find(const ProjectTree &tree, const QString &title)
{
    for (ProjectEntry *entry : tree.preOrder()) {
        if (entry->title == title)
            return entry;
    }
    return nullptr;
}

QString images(const ProjectEntry *entry)
{
    return QStringLiteral("%1/%2").arg(entry->imageIndex).arg(entry->selectedImageIndex);
}

} // namespace

class TreeEditingTest : public QObject {
    Q_OBJECT

private slots:
    void moves_data();
    void moves();
    void addEntryGoesBeforeTheSelected();
    void addChildTurnsLeafIntoFolderAndUndoTurnsItBack();
    void ownImagesSurviveChildrenComingAndGoing();
    void removeTakesSubEntriesAndLeavesParentALeaf();
    void removeChildrenAndRemoveAll();
    void copyKeepsTheSourceAndOwnsItsComment();
    void moveRefusedOntoItselfOrBelow();
    void moveAwayLastChildMakesParentALeaf();
    void moveRenumbersAbsoluteIndexes();
    void modelFollowsEveryChange();
    void questions();
    void selectionHint();
};

void TreeEditingTest::moves_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("move");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QString>("result");

    const QString tree = QStringLiteral("A(a1,a2),B,C(c1),D");
    QTest::newRow("up") << "B"
                        << "up" << true << "B,A(a1,a2),C(c1),D";
    QTest::newRow("up at the start") << "A"
                                     << "up" << false << tree;
    QTest::newRow("down takes sub-entries along") << "A"
                                                  << "down" << true << "B,A(a1,a2),C(c1),D";
    QTest::newRow("down from second-to-last becomes last") << "C"
                                                           << "down" << true << "A(a1,a2),B,D,C(c1)";
    QTest::newRow("down at the end") << "D"
                                     << "down" << false << tree;
    QTest::newRow("down inside a level") << "a1"
                                         << "down" << true << "A(a2,a1),B,C(c1),D";
    QTest::newRow("to start") << "C"
                              << "start" << true << "C(c1),A(a1,a2),B,D";
    QTest::newRow("to start when first") << "a1"
                                         << "start" << false << tree;
    QTest::newRow("to end") << "A"
                            << "end" << true << "B,C(c1),D,A(a1,a2)";
    QTest::newRow("to end when last") << "c1"
                                      << "end" << false << tree;
}

void TreeEditingTest::moves()
{
    QFETCH(QString, entry);
    QFETCH(QString, move);
    QFETCH(bool, moved);
    QFETCH(QString, result);
    ProjectTree tree;
    build(tree, QStringLiteral("A(a1,a2),B,C(c1),D"));
    TreeEditor editor(tree);
    ProjectEntry *target = find(tree, entry);

    bool done = false;
    if (move == QLatin1String("up"))
        done = editor.moveUp(target);
    else if (move == QLatin1String("down"))
        done = editor.moveDown(target);
    else if (move == QLatin1String("start"))
        done = editor.moveToStart(target);
    else
        done = editor.moveToEnd(target);
    QCOMPARE(done, moved);
    QCOMPARE(shape(tree.root()), result);
}

void TreeEditingTest::addEntryGoesBeforeTheSelected()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A,B,C,D"));
    TreeEditor editor(tree);

    ProjectEntry *added = editor.addEntry(find(tree, QStringLiteral("C")), QStringLiteral("/data/"));
    QCOMPARE(shape(tree.root()), QStringLiteral("A,B,UNBENANNT,C,D"));
    QCOMPARE(added->row(), 2);
    QCOMPARE(images(added), QStringLiteral("2/3"));
    QCOMPARE(added->record.action, quint8(ActionNone));
    QCOMPARE(added->record.command, QStringLiteral("/data/"));

    editor.addEntry(nullptr, QString());
    QCOMPARE(shape(tree.root()), QStringLiteral("A,B,UNBENANNT,C,D,UNBENANNT"));

    editor.undoAdd(added);
    QCOMPARE(shape(tree.root()), QStringLiteral("A,B,C,D,UNBENANNT"));
}

void TreeEditingTest::addChildTurnsLeafIntoFolderAndUndoTurnsItBack()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A,B"));
    TreeEditor editor(tree);
    ProjectEntry *parent = find(tree, QStringLiteral("B"));

    ProjectEntry *child = editor.addChild(parent, QString());
    QCOMPARE(shape(tree.root()), QStringLiteral("A,B(UNBENANNT)"));
    QCOMPARE(images(parent), QStringLiteral("0/1"));
    QCOMPARE(images(child), QStringLiteral("2/3"));

    ProjectEntry *second = editor.addChild(parent, QString());
    editor.undoAdd(second);
    QCOMPARE(images(parent), QStringLiteral("0/1"));

    editor.undoAdd(child);
    QCOMPARE(shape(tree.root()), QStringLiteral("A,B"));
    QCOMPARE(images(parent), QStringLiteral("2/3"));
}

void TreeEditingTest::ownImagesSurviveChildrenComingAndGoing()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A,B"));
    TreeEditor editor(tree);
    ProjectEntry *own = find(tree, QStringLiteral("A"));
    own->imageIndex = 7;
    own->selectedImageIndex = 8;

    ProjectEntry *child = editor.addChild(own, QString());
    QCOMPARE(images(own), QStringLiteral("7/8"));
    editor.undoAdd(child);
    QCOMPARE(images(own), QStringLiteral("7/8"));
    editor.remove(editor.addChild(own, QString()));
    QCOMPARE(images(own), QStringLiteral("7/8"));
}

void TreeEditingTest::removeTakesSubEntriesAndLeavesParentALeaf()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A(a1(x,y)),B"));
    TreeEditor editor(tree);

    editor.remove(find(tree, QStringLiteral("a1")));
    QCOMPARE(shape(tree.root()), QStringLiteral("A,B"));
    QCOMPARE(tree.count(), 2);
    QCOMPARE(images(find(tree, QStringLiteral("A"))), QStringLiteral("2/3"));

    editor.remove(find(tree, QStringLiteral("A")));
    QCOMPARE(shape(tree.root()), QStringLiteral("B"));
}

void TreeEditingTest::removeChildrenAndRemoveAll()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A(a1(x),a2),B(b1)"));
    TreeEditor editor(tree);

    editor.removeChildren(find(tree, QStringLiteral("A")));
    QCOMPARE(shape(tree.root()), QStringLiteral("A,B(b1)"));
    QCOMPARE(images(find(tree, QStringLiteral("A"))), QStringLiteral("2/3"));

    editor.removeAll();
    QVERIFY(tree.isEmpty());
    QCOMPARE(tree.count(), 0);
}

void TreeEditingTest::copyKeepsTheSourceAndOwnsItsComment()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A(a1),B"));
    TreeEditor editor(tree);
    ProjectEntry *source = find(tree, QStringLiteral("A"));
    source->record = {ActionExecute, QStringLiteral("\\tools\\x.sh"), {QStringLiteral("one"), QStringLiteral("two")}};

    ProjectEntry *copy = editor.copyBefore(source, find(tree, QStringLiteral("B")));
    QCOMPARE(shape(tree.root()), QStringLiteral("A(a1),A,B"));
    QCOMPARE(images(copy), QStringLiteral("2/3"));
    QCOMPARE(copy->record.action, quint8(ActionExecute));
    QCOMPARE(copy->record.command, source->record.command);
    copy->record.comment[0] = QStringLiteral("changed");
    QCOMPARE(source->record.comment, (QStringList{QStringLiteral("one"), QStringLiteral("two")}));

    ProjectEntry *leaf = find(tree, QStringLiteral("a1"));
    leaf->imageIndex = 9;
    leaf->selectedImageIndex = 3;
    QCOMPARE(images(editor.copyBefore(leaf, source)), QStringLiteral("9/3"));
}

void TreeEditingTest::moveRefusedOntoItselfOrBelow()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A(a1(x)),B"));
    TreeEditor editor(tree);
    ProjectEntry *a = find(tree, QStringLiteral("A"));

    QVERIFY(!editor.moveBefore(a, a));
    QVERIFY(!editor.moveBefore(a, find(tree, QStringLiteral("x"))));
    QCOMPARE(shape(tree.root()), QStringLiteral("A(a1(x)),B"));

    QVERIFY(editor.moveBefore(find(tree, QStringLiteral("x")), a));
    QCOMPARE(shape(tree.root()), QStringLiteral("x,A(a1),B"));
}

void TreeEditingTest::moveAwayLastChildMakesParentALeaf()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A(a1),B(b1)"));
    TreeEditor editor(tree);

    QVERIFY(editor.moveBefore(find(tree, QStringLiteral("a1")), find(tree, QStringLiteral("b1"))));
    QCOMPARE(shape(tree.root()), QStringLiteral("A,B(a1,b1)"));
    QCOMPARE(images(find(tree, QStringLiteral("A"))), QStringLiteral("2/3"));
    QCOMPARE(images(find(tree, QStringLiteral("B"))), QStringLiteral("0/1"));
}

void TreeEditingTest::moveRenumbersAbsoluteIndexes()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A(a1,a2),B,C"));
    TreeEditor editor(tree);
    ProjectEntry *c = find(tree, QStringLiteral("C"));
    QCOMPARE(tree.absoluteIndex(c), 4);

    QVERIFY(editor.moveBefore(c, find(tree, QStringLiteral("a2"))));
    QCOMPARE(tree.absoluteIndex(c), 2);
    QCOMPARE(tree.absoluteIndex(find(tree, QStringLiteral("B"))), 4);
    QCOMPARE(tree.entryAt(2), c);
    QCOMPARE(c->depth(), 1);
}

// The model's checker fails the test on any notification that does not fit
// the change; rows of the model and the tree must agree afterwards.
void TreeEditingTest::modelFollowsEveryChange()
{
    Project project;
    build(project.tree, QStringLiteral("A(a1,a2(x)),B,C(c1)"));
    ProjectTreeModel model;
    model.setProject(&project);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QPersistentModelIndex a2 = model.indexOf(find(project.tree, QStringLiteral("a2")));
    TreeEditor editor(project.tree, &model);

    editor.undoAdd(editor.addChild(find(project.tree, QStringLiteral("B")), QString()));
    editor.addEntry(find(project.tree, QStringLiteral("a1")), QString());
    editor.moveDown(find(project.tree, QStringLiteral("A")));
    editor.moveToStart(find(project.tree, QStringLiteral("C")));
    QVERIFY(editor.moveBefore(find(project.tree, QStringLiteral("a2")), find(project.tree, QStringLiteral("c1"))));
    editor.copyBefore(find(project.tree, QStringLiteral("x")), find(project.tree, QStringLiteral("B")));
    QCOMPARE(shape(project.tree.root()), QStringLiteral("C(a2(x),c1),x,B,A(UNBENANNT,a1)"));
    QCOMPARE(model.entry(a2), find(project.tree, QStringLiteral("a2")));
    QCOMPARE(model.rowCount(model.indexOf(find(project.tree, QStringLiteral("C")))), 2);

    editor.remove(find(project.tree, QStringLiteral("C")));
    editor.removeChildren(find(project.tree, QStringLiteral("A")));
    QCOMPARE(model.rowCount(), 3);
    editor.removeAll();
    QCOMPARE(model.rowCount(), 0);
}

void TreeEditingTest::questions()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A(a1),B"));
    MsgBoxRecorder boxes;

    boxes.answer(MsgBox::ResultNo);
    QVERIFY(!AskRemoveEntry(tree, find(tree, QStringLiteral("A"))));
    QCOMPARE(boxes.last().caption, QStringLiteral("Eintrag wirklich entfernen ?"));
    QCOMPARE(boxes.last().text,
             QStringLiteral("Soll der Projekteintrag 1/3 \rund alle seine Untereinträge wirklich entfernt werden ?"));
    QCOMPARE(boxes.last().helpContext, 80210);
    QCOMPARE(boxes.last().buttons, MsgBox::Yes | MsgBox::No | MsgBox::Help);

    boxes.answer(MsgBox::ResultYes);
    QVERIFY(AskRemoveEntry(tree, find(tree, QStringLiteral("B"))));
    QCOMPARE(boxes.last().text, QStringLiteral("Soll der Projekteintrag 3/3 \rwirklich entfernt werden ?"));

    boxes.answer(MsgBox::ResultYes);
    QVERIFY(AskRemoveChildren(tree, find(tree, QStringLiteral("A"))));
    QCOMPARE(boxes.last().caption, QStringLiteral("Untereinträge wirklich entfernen ?"));
    QCOMPARE(boxes.last().text,
             QStringLiteral("Sollen alle Untereinträge des Eintrages 1/3\rwirklich entfernt werden ?"));
    QCOMPARE(boxes.last().helpContext, 80220);

    boxes.answer(MsgBox::ResultNo);
    QVERIFY(!AskRemoveAll());
    QCOMPARE(boxes.last().caption, QStringLiteral("Wirklich alle Einträge entfernen ?"));
    QCOMPARE(boxes.last().text,
             QStringLiteral("Sind Sie sicher, daß alle Einträge ohne Ausnahme\rentfernt werden sollen ?"));
    QCOMPARE(boxes.last().icon, int(MsgBox::Warning));
    QCOMPARE(boxes.last().helpContext, 80230);

    boxes.answer(MsgBox::ResultOk);
    ShowMoveRefused();
    QCOMPARE(boxes.last().caption, QStringLiteral("Verschieben nicht möglich..."));
    QCOMPARE(boxes.last().text, QStringLiteral("Das verschieben eines Eintrages zu einem diesem\r"
                                               "untergeordneten Eintrag ist nicht möglich."));
    QCOMPARE(boxes.last().buttons, MsgBox::Ok | MsgBox::Help);
    QCOMPARE(boxes.last().helpContext, 80500);
}

void TreeEditingTest::selectionHint()
{
    ProjectTree tree;
    build(tree, QStringLiteral("A(a1,a2(x)),B,C"));
    QCOMPARE(SelectionHint(tree, find(tree, QStringLiteral("A"))),
             QStringLiteral("Position: 1/6    Ebene: 0    Untereinträge: 2    Image: 1,2"));
    QCOMPARE(SelectionHint(tree, find(tree, QStringLiteral("x"))),
             QStringLiteral("Position: 4/6    Ebene: 2    Untereinträge: 0    Image: 3,4"));
    QCOMPARE(SelectionPercent(tree, find(tree, QStringLiteral("a2"))), QStringLiteral("50%"));
    QCOMPARE(SelectionPercent(tree, nullptr), QStringLiteral("0%"));
}

BREKKO_TEST_MAIN(TreeEditingTest)
#include "TreeEditingTest.moc"
