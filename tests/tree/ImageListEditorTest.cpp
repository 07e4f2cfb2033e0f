#include "tree/ImageListEditor.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"
#include "TreeText.h"
#include "project/Project.h"

#include <QImage>
#include <QTest>

namespace {

// A bitmap strip of width 16 * tiles; tile k is filled with grey level
// shade + k.
QString writeBitmap(const TestEnvironment &env, const QString &name, int shade, int tiles = 1)
{
    QImage image(16 * tiles, 16, QImage::Format_RGB32);
    for (int k = 0; k < tiles; ++k) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x)
                image.setPixel(16 * k + x, y, qRgb(shade + k, shade + k, shade + k));
        }
    }
    const QString path = env.path(name);
    image.save(path, "BMP");
    return path;
}

int shadeOf(const Project &project, int index)
{
    if (index < 0 || index >= project.images.count())
        return -1;
    return qRed(project.images.image(index).pixel(5, 5));
}

// Three external images (shades 10, 20, 30) and entries using them.
void buildProject(const TestEnvironment &env, Project &project)
{
    ImageListEditor editor(project);
    for (int shade : {10, 20, 30})
        editor.add(writeBitmap(env, QStringLiteral("img%1.bmp").arg(shade), shade));
    TreeText::build(project.tree, QStringLiteral("A|.B|C|D"));
    const std::vector<ProjectEntry *> &entries = project.tree.preOrder();
    const int numbers[][2] = {{20, 21}, {21, 20}, {22, 5}, {7, 22}};
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i]->imageIndex = numbers[i][0];
        entries[i]->selectedImageIndex = numbers[i][1];
    }
}

QList<int> shownShades(const Project &project)
{
    QList<int> shades;
    for (const ProjectEntry *entry : project.tree.preOrder())
        shades << shadeOf(project, entry->imageIndex) << shadeOf(project, entry->selectedImageIndex);
    return shades;
}

} // namespace

class ImageListEditorTest : public QObject {
    Q_OBJECT

private slots:
    void entriesKeepTheirPictures_data()
    {
        QTest::addColumn<QString>("operations");
        QTest::newRow("swap first two") << "D20";
        QTest::newRow("swap last two") << "U22";
        QTest::newRow("first to the end") << "D20 D21";
        QTest::newRow("there and back") << "D20 U21";
        QTest::newRow("rotate all") << "D20 D21 U22 U21 D20";
        QTest::newRow("remove unused after add") << "A D20 R23";
        QTest::newRow("remove in front of used images") << "A U23 U22 U21 R20";
    }

    void entriesKeepTheirPictures()
    {
        QFETCH(QString, operations);
        TestEnvironment env;
        Project project;
        buildProject(env, project);
        const QList<int> before = shownShades(project);
        ImageListEditor editor(project);
        for (const QString &operation : operations.split(QLatin1Char(' '))) {
            const int position = operation.mid(1).toInt();
            switch (operation[0].toLatin1()) {
            case 'D':
                editor.moveDown(position);
                break;
            case 'U':
                editor.moveUp(position);
                break;
            case 'R':
                QVERIFY(editor.remove(position));
                break;
            case 'A':
                QCOMPARE(editor.add(writeBitmap(env, QStringLiteral("new.bmp"), 90)),
                         ImageListEditor::AddResult::Added);
                break;
            }
        }
        QVERIFY(editor.changed());
        editor.finish();
        QCOMPARE(shownShades(project), before);
        // The file names follow their images.
        for (int i = ImageList::kBuiltinCount; i < project.images.count(); ++i) {
            const int shade = shadeOf(project, i);
            QVERIFY2(editor.fileOf(i).endsWith(shade == 90 ? QStringLiteral("new.bmp")
                                                           : QStringLiteral("img%1.bmp").arg(shade)),
                     qPrintable(editor.fileOf(i)));
        }
    }

    void removingAnImageInUse()
    {
        TestEnvironment env;
        Project project;
        buildProject(env, project);
        ImageListEditor editor(project);
        QVERIFY(editor.remove(21)); // shade 20, used by A and B
        editor.finish();
        const std::vector<ProjectEntry *> &entries = project.tree.preOrder();
        // Users of the removed image keep their number; the others follow.
        QCOMPARE(entries[0]->imageIndex, 20);
        QCOMPARE(entries[0]->selectedImageIndex, 21);
        QCOMPARE(entries[1]->imageIndex, 21);
        QCOMPARE(entries[2]->imageIndex, 21);
        QCOMPARE(shadeOf(project, entries[2]->imageIndex), 30);
        QCOMPARE(entries[3]->selectedImageIndex, 21);
        QCOMPARE(project.imageFiles.size(), 2);
        QVERIFY(project.imageFiles.at(1).endsWith(QStringLiteral("img30.bmp")));
    }

    void limitsOfMovingAndRemoving()
    {
        TestEnvironment env;
        Project project;
        buildProject(env, project);
        ImageListEditor editor(project);
        for (int internal : {0, 3, 19}) {
            QVERIFY(!editor.canMoveUp(internal));
            QVERIFY(!editor.canMoveDown(internal));
            QVERIFY(!editor.canRemove(internal));
        }
        QVERIFY(!editor.canMoveUp(20));
        QVERIFY(editor.canMoveDown(20));
        QVERIFY(editor.canMoveUp(22));
        QVERIFY(!editor.canMoveDown(22));
        QVERIFY(!editor.remove(19));
        QVERIFY(!editor.remove(23));
        editor.moveUp(20);
        editor.moveDown(22);
        QVERIFY(!editor.changed());
        QVERIFY(!editor.finish());
        QCOMPARE(project.images.count(), 23);
    }

    void adding_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<ImageListEditor::AddResult>("result");
        QTest::newRow("suffix in other case") << "picture.Bmp" << 1 << ImageListEditor::AddResult::Added;
        QTest::newRow("strip keeps its last tile") << "strip.bmp" << 3 << ImageListEditor::AddResult::Added;
        QTest::newRow("png refused") << "picture.png" << 1 << ImageListEditor::AddResult::NotBitmap;
        QTest::newRow("no suffix") << "picture" << 1 << ImageListEditor::AddResult::NotBitmap;
        QTest::newRow("not a bitmap inside") << "broken.bmp" << 0 << ImageListEditor::AddResult::LoadFailed;
    }

    void adding()
    {
        QFETCH(QString, name);
        QFETCH(int, tiles);
        QFETCH(ImageListEditor::AddResult, result);
        TestEnvironment env;
        const QString path =
            tiles > 0 ? writeBitmap(env, QStringLiteral("x.bmp"), 40, tiles) : env.writeFile(name, "no bitmap");
        if (tiles > 0)
            QVERIFY(QFile::rename(path, env.path(name)));
        Project project;
        ImageListEditor editor(project);
        QCOMPARE(editor.add(env.path(name)), result);
        const bool added = result == ImageListEditor::AddResult::Added;
        QCOMPARE(editor.changed(), added);
        QCOMPARE(project.images.count(), ImageList::kBuiltinCount + (added ? 1 : 0));
        QCOMPARE(project.imageFiles, added ? QStringList{env.path(name)} : QStringList{});
        if (added) {
            QCOMPARE(shadeOf(project, ImageList::kBuiltinCount), 40 + tiles - 1);
            QCOMPARE(editor.fileOf(ImageList::kBuiltinCount), env.path(name));
        }
    }
};

BREKKO_TEST_MAIN(ImageListEditorTest)
#include "ImageListEditorTest.moc"
