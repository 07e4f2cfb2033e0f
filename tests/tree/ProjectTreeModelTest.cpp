#include "tree/ProjectTreeModel.h"
#include "TestRegistry.h"
#include "project/Project.h"
#include "tree/ProjectTreeView.h"

#include <QAbstractItemModelTester>
#include <QIcon>
#include <QSignalSpy>
#include <QTest>

namespace {

// Three top-level entries; the second has two children, its first child one.
std::unique_ptr<Project> sampleProject()
{
    auto project = std::make_unique<Project>();
    ProjectTree &tree = project->tree;
    for (const char *title : {"A", "B", "C"})
        tree.append(nullptr, std::make_unique<ProjectEntry>(QString::fromLatin1(title)));
    ProjectEntry *b = tree.root()->child(1);
    ProjectEntry *b1 = tree.append(b, std::make_unique<ProjectEntry>(QStringLiteral("B1")));
    tree.append(b, std::make_unique<ProjectEntry>(QStringLiteral("B2")));
    tree.append(b1, std::make_unique<ProjectEntry>(QStringLiteral("B1a")));
    for (ProjectEntry *entry : tree.preOrder()) {
        entry->imageIndex = 5;
        entry->selectedImageIndex = 6;
    }
    tree.root()->child(2)->imageIndex = 99;
    return project;
}

} // namespace

class ProjectTreeModelTest : public QObject {
    Q_OBJECT

private slots:
    void structure();
    void images_data();
    void images();
    void editTitle();
    void viewSelection();
};

void ProjectTreeModelTest::structure()
{
    auto project = sampleProject();
    ProjectTreeModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.setProject(project.get());
    QCOMPARE(resets.count(), 1);

    QCOMPARE(model.rowCount(), 3);
    const QModelIndex b = model.index(1, 0);
    QCOMPARE(model.rowCount(b), 2);
    const QModelIndex b1a = model.index(0, 0, model.index(0, 0, b));
    QCOMPARE(b1a.data().toString(), QStringLiteral("B1a"));
    QCOMPARE(b1a.parent().parent(), b);
    QCOMPARE(model.entry(b1a), project->tree.entryAt(3));
    QCOMPARE(model.indexOf(project->tree.entryAt(5)), model.index(2, 0));
    QVERIFY(!model.hasChildren(model.index(0, 0)));

    model.setProject(nullptr);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(resets.count(), 2);
}

void ProjectTreeModelTest::images_data()
{
    QTest::addColumn<bool>("useImages");
    QTest::newRow("images on") << true;
    QTest::newRow("images off") << false;
}

void ProjectTreeModelTest::images()
{
    QFETCH(bool, useImages);
    auto project = sampleProject();
    project->useImages = useImages;
    ProjectTreeModel model;
    model.setProject(project.get());

    const QModelIndex a = model.index(0, 0);
    QCOMPARE(a.data(Qt::DecorationRole).canConvert<QIcon>(), useImages);
    QCOMPARE(a.data(ProjectTreeModel::SelectedDecorationRole).canConvert<QIcon>(), useImages);
    // An index beyond the image list shows no image rather than failing.
    QVERIFY(!model.index(2, 0).data(Qt::DecorationRole).isValid());
}

void ProjectTreeModelTest::editTitle()
{
    auto project = sampleProject();
    ProjectTreeModel model;
    model.setProject(project.get());
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    const QModelIndex a = model.index(0, 0);

    QVERIFY(model.setData(a, QStringLiteral("A")));
    QCOMPARE(changes.count(), 0);
    QVERIFY(model.setData(a, QStringLiteral("Neu")));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(project->tree.root()->child(0)->title, QStringLiteral("Neu"));
    QCOMPARE(a.data(Qt::EditRole).toString(), QStringLiteral("Neu"));
}

void ProjectTreeModelTest::viewSelection()
{
    auto project = sampleProject();
    ProjectTreeView view;
    view.projectModel()->setProject(project.get());
    view.setSingleExpand(true);
    QSignalSpy selected(&view, &ProjectTreeView::selectedEntryChanged);
    ProjectTree &tree = project->tree;

    view.selectEntry(tree.entryAt(3));
    QCOMPARE(view.selectedEntry(), tree.entryAt(3));
    QCOMPARE(selected.count(), 1);
    QVERIFY(view.isExpanded(view.projectModel()->indexOf(tree.entryAt(2))));

    view.expand(view.projectModel()->indexOf(tree.entryAt(3)));
    view.selectEntry(tree.entryAt(4));
    QVERIFY(!view.isExpanded(view.projectModel()->indexOf(tree.entryAt(2))));
    QVERIFY(view.isExpanded(view.projectModel()->indexOf(tree.entryAt(1))));

    view.selectEntry(nullptr);
    QCOMPARE(view.selectedEntry(), nullptr);
    QCOMPARE(selected.last().constFirst().value<ProjectEntry *>(), nullptr);
}

BREKKO_TEST_MAIN(ProjectTreeModelTest)
#include "ProjectTreeModelTest.moc"
