#include "CatalogueFixture.h"
#include "FindChild.h"
#include "MnemonicCheck.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "app/TMainForm.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "project/Project.h"
#include "tree/ProjectTreeView.h"
#include "tree/scan/TOrdnerEinlesenForm.h"

#include <QComboBox>
#include <QTest>
#include <QTreeView>

// The proposals window, and the command that adds what it keeps to the
// main window's project.
class TOrdnerEinlesenFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void choosingRows();
    void eachLetterHasOneJob();
    void unreadableFolderIsReported();
    void okAddsCheckedRowsBelowTheCurrentEntry();
    void cancelLeavesTheProjectAlone();

private:
    std::unique_ptr<TOrdnerEinlesenForm> scannedForm(const CatalogueOptions &options) const;
    std::unique_ptr<TMainForm> windowOnProject() const;
    ProjectEntry *entry(const TMainForm &window, const QString &title) const;

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
    QString m_drive;
    QString m_medium;
};

void TOrdnerEinlesenFormTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_boxes = std::make_unique<MsgBoxRecorder>();
    m_drive = m_env->addVolume(QStringLiteral("stick"));
    m_medium = m_env->makeFolder(QStringLiteral("stick/Medium"));
    using namespace CatalogueFixture;
    write(m_medium + QStringLiteral("/Programme/werkzeug.desktop"),
          "[Desktop Entry]\nName=Werkzeug\nExec=bin/werkzeug %f\nIcon=werkzeug\n");
    write(m_medium + QStringLiteral("/Programme/werkzeug.png"), png());
    write(m_medium + QStringLiteral("/Programme/bin/werkzeug"), elf(2, false), 0755);
    write(m_medium + QStringLiteral("/Dokumente/a.txt"), "a");
    write(m_medium + QStringLiteral("/Dokumente/b.pdf"), "%PDF-1.4\n");
    write(m_medium + QStringLiteral("/x.zip"), zip());
    m_env->writeFile(
        QStringLiteral("stick/kat.prj"),
        "<Talvoren V4 Projektdatei>\r\nItem New\r\n  Titel=Eins\r\n  Befehl=1,\\Medium\\Dokumente\\b.pdf\r\n"
        "Item Done\r\nItem New\r\n  Titel=Zwei\r\nItem Done\r\n");
}

void TOrdnerEinlesenFormTest::cleanup()
{
    QVERIFY(!m_boxes->failed());
    m_boxes.reset();
    m_env.reset();
}

std::unique_ptr<TOrdnerEinlesenForm> TOrdnerEinlesenFormTest::scannedForm(const CatalogueOptions &options) const
{
    auto form = std::make_unique<TOrdnerEinlesenForm>(m_medium, options);
    form->runScan();
    return form;
}

std::unique_ptr<TMainForm> TOrdnerEinlesenFormTest::windowOnProject() const
{
    auto window = std::make_unique<TMainForm>(StartConfig());
    window->show();
    if (!window->loadProject(m_env->path(QStringLiteral("stick/kat.prj"))))
        return nullptr;
    return window;
}

ProjectEntry *TOrdnerEinlesenFormTest::entry(const TMainForm &window, const QString &title) const
{
    for (ProjectEntry *e : window.project()->tree.preOrder()) {
        if (e->title == title)
            return e;
    }
    return nullptr;
}

void TOrdnerEinlesenFormTest::choosingRows()
{
    CatalogueOptions options;
    options.drive = m_drive;
    options.existingCommands = {m_medium + QStringLiteral("/Dokumente/b.pdf")};
    const auto form = scannedForm(options);
    QVERIFY(form->scanFinished());
    QCOMPARE(form->windowTitle(), QStringLiteral("Ordner einlesen - ") + m_medium);
    QCOMPARE(labelText(form.get(), "Label2"), QStringLiteral("7 von 8 Einträgen markiert."));
    QCOMPARE(labelText(form.get(), "Label_Doppelt"),
             QStringLiteral("1 Eintrag ist bereits im Projekt vorhanden und wurde ausgelassen."));
    QVERIFY(child<QPushButton>(form.get(), "Button_Ok")->isEnabled());

    auto *types = child<QComboBox>(form.get(), "TypComboBox");
    types->setCurrentIndex(types->findText(QStringLiteral("Dokumente")));
    child(form.get(), "Button_TypDemarkieren")->click();
    QCOMPARE(form->model()->checkedCount(), 5);

    // A folder's box goes for everything below it; the program its launcher
    // starts is proposed unchecked.
    CatalogueModel *model = form->model();
    const QModelIndex programs = model->index(1, CatalogueModel::TitleColumn);
    QCOMPARE(model->data(programs, Qt::DisplayRole).toString(), QStringLiteral("Programme"));
    QVERIFY(model->setData(programs, Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(form->model()->checkedCount(), 2);
    QCOMPARE(model->item(model->index(1, 0, programs))->title, QStringLiteral("Werkzeug"));
    QVERIFY(!model->item(model->index(1, 0, programs))->checked);

    child(form.get(), "Button_KeineMarkieren")->click();
    QVERIFY(!child<QPushButton>(form.get(), "Button_Ok")->isEnabled());
    child(form.get(), "Button_AlleMarkieren")->click();
    QCOMPARE(labelText(form.get(), "Label2"), QStringLiteral("8 von 8 Einträgen markiert."));
}

void TOrdnerEinlesenFormTest::eachLetterHasOneJob()
{
    CatalogueOptions options;
    options.drive = m_drive;
    const auto form = scannedForm(options);
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    const QStringList clashes = MnemonicClashes(form.get());
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
}

void TOrdnerEinlesenFormTest::unreadableFolderIsReported()
{
    m_boxes->answer(MsgBox::ResultOk);
    TOrdnerEinlesenForm form(m_medium + QStringLiteral("/fehlt"), CatalogueOptions());
    form.runScan();
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->last().caption, QStringLiteral("Fehler: Ordner kann nicht eingelesen werden..."));
    QCOMPARE(m_boxes->last().helpContext, 80610);
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

void TOrdnerEinlesenFormTest::okAddsCheckedRowsBelowTheCurrentEntry()
{
    const auto window = windowOnProject();
    QVERIFY(window);
    QVERIFY(window->actions().catalogue->isEnabled());
    window->treeView()->selectEntry(entry(*window, QStringLiteral("Zwei")));
    QString startFolder;
    FileChooser::ScopedHandler chooser([&](const FileChooser::Request &request) {
        startFolder = request.startFolder;
        return m_medium;
    });
    ModalSeam::ScopedHandler answer([](QDialog *dialog) {
        auto *form = qobject_cast<TOrdnerEinlesenForm *>(dialog);
        form->runScan();
        auto *types = child<QComboBox>(form, "TypComboBox");
        types->setCurrentIndex(types->findText(QStringLiteral("ZIP-Archive")));
        child(form, "Button_TypDemarkieren")->click();
        return int(QDialog::Accepted);
    });
    window->actions().catalogue->trigger();

    QCOMPARE(startFolder, m_drive);
    QVERIFY(window->isModified());
    ProjectEntry *parent = entry(*window, QStringLiteral("Zwei"));
    QStringList below;
    for (const auto &child : parent->children())
        below.append(child->title);
    QCOMPARE(below, QStringList({"Dokumente", "Programme"}));
    QCOMPARE(window->currentEntry(), parent->child(0));
    QCOMPARE(parent->imageIndex, 0);
    ProjectEntry *launcher = entry(*window, QStringLiteral("Werkzeug"));
    QCOMPARE(launcher->record.command, QStringLiteral("\\Medium\\Programme\\bin\\werkzeug"));
    QCOMPARE(launcher->imageIndex, ImageList::kBuiltinCount);
    QVERIFY(!entry(*window, QStringLiteral("b.pdf")));
}

void TOrdnerEinlesenFormTest::cancelLeavesTheProjectAlone()
{
    const auto window = windowOnProject();
    QVERIFY(window);
    FileChooser::ScopedHandler chooser([this](const FileChooser::Request &) { return m_medium; });
    ModalSeam::ScopedHandler answer([](QDialog *dialog) {
        qobject_cast<TOrdnerEinlesenForm *>(dialog)->runScan();
        return int(QDialog::Rejected);
    });
    window->actions().catalogue->trigger();
    QCOMPARE(window->project()->tree.count(), 2);
    QVERIFY(!window->isModified());
    QVERIFY(!QFileInfo::exists(m_env->path(QStringLiteral("stick/Symbole"))));
}

BREKKO_TEST_MAIN(TOrdnerEinlesenFormTest)
#include "TOrdnerEinlesenFormTest.moc"
