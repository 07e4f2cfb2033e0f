#include "MainWindowTestSupport.h"

#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "project/Project.h"
#include "tree/ProjectTreeView.h"

#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QTest>

using namespace MainWindowTest;

namespace {

const QString kFilter = QStringLiteral("Projektdateien [*.prj]|*.prj|Alle Dateien [*.*]|*.*");

// The watched commands that are enabled, in this order.
QStringList enabledCommands(const TMainForm &window)
{
    static const char *const names[] = {
        "MainMenu_Projektdatei_Speichern",
        "MainMenu_Projektdatei_SpeichernUnter",
        "MainMenu_Projektdatei_Schliessen",
        "MainMenu_Projektdatei_Editieren",
        "MainMenu_Projektdatei_Statistik",
        "MainMenu_Bearbeiten_EintragBearbeiten",
        "MainMenu_Bearbeiten_EintragHinzufuegen",
        "MainMenu_Bearbeiten_UntereintragHinzufuegen",
        "MainMenu_Bearbeiten_OrdnerEinlesen",
        "MainMenu_Bearbeiten_EintragVerschiebenNach_Oben",
        "MainMenu_Bearbeiten_EintragVerschiebenNach_Unten",
        "MainMenu_Bearbeiten_UntereintraegeEntfernen",
        "MainMenu_Bearbeiten_AlleEintraegeEntfernen",
        "MainMenu_Suchen_Suchen",
        "MainMenu_Suchen_Weitersuchen",
        "MainMenu_Optionen_KommentarfeldAusblenden",
    };
    QStringList enabled;
    for (const char *name : names) {
        if (action(window, name)->isEnabled())
            enabled.append(QString::fromLatin1(name).section(QLatin1Char('_'), 2));
    }
    return enabled;
}

QStringList captions(const QMenu *menu)
{
    QStringList result;
    for (const QAction *item : menu->actions())
        result.append(item->text());
    return result;
}

} // namespace

class MainWindowFlowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void closingAsksToSave_data();
    void closingAsksToSave();
    void unsavedProjectIsNamed_data();
    void unsavedProjectIsNamed();
    void openThroughChooser();
    void failedLoadKeepsProject();
    void commandStatesFollowTheFlows();
    void saveAsAddsReopenItem_data();
    void saveAsAddsReopenItem();
    void unnamedProjectIsSavedAs();
    void loadingAsksForUnnamedChanges();
    void reopenListKeepsTenNewest();
    void ctrlEOpensReopenMenu();
    void everyEnabledCommandDoesSomething();
    void commandsOpenTheirWindows_data();
    void commandsOpenTheirWindows();

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
};

void MainWindowFlowsTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_boxes = std::make_unique<MsgBoxRecorder>();
}

void MainWindowFlowsTest::cleanup()
{
    QVERIFY(!m_boxes->failed());
    m_boxes.reset();
    m_env.reset();
}

void MainWindowFlowsTest::closingAsksToSave_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Ja") << int(MsgBox::ResultYes) << true << true;
    QTest::newRow("Nein") << int(MsgBox::ResultNo) << true << false;
    QTest::newRow("Abbrechen") << int(MsgBox::ResultCancel) << false << false;
}

void MainWindowFlowsTest::closingAsksToSave()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    const QString file = writeProject(*m_env, QStringLiteral("Daten/Katalog.prj"));
    auto window = makeWindow();
    QVERIFY(window->loadProject(file));
    window->project()->tree.root()->child(0)->title = QStringLiteral("Geaendert");
    window->markModified();

    m_boxes->answer(answer);
    QCOMPARE(window->close(), closed);

    QCOMPARE(m_boxes->count(), 1);
    const MsgBox::Request &box = m_boxes->last();
    QCOMPARE(box.caption, QStringLiteral("Änderungen speichern ?"));
    QCOMPARE(box.text, QStringLiteral("Die Projektdatei \"Katalog.prj\" wurde modifiziert.\r"
                                      "Sollen die Änderungen gespeichert werden ?"));
    QCOMPARE(box.buttons, MsgBox::Yes | MsgBox::No | MsgBox::Cancel | MsgBox::Help);
    QCOMPARE(box.icon, int(MsgBox::Question));
    QCOMPARE(box.helpContext, 80060);
    QCOMPARE(window->isVisible(), !closed);
    QCOMPARE(fileText(file).contains(QStringLiteral("Titel=Geaendert")), saved);
    if (!closed) {
        QVERIFY(window->isModified());
        QCOMPARE(window->project()->fileName, file);
        QCOMPARE(window->project()->tree.root()->child(0)->title, QStringLiteral("Geaendert"));
    }
}

void MainWindowFlowsTest::unsavedProjectIsNamed_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::newRow("with title") << QStringLiteral("Spiele") << QStringLiteral("Spiele");
    QTest::newRow("without title") << QString() << QStringLiteral("Unbenannt");
}

void MainWindowFlowsTest::unsavedProjectIsNamed()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);
    auto window = makeWindow();
    window->project()->fileName.clear();
    window->project()->name = title;
    window->markModified();
    m_boxes->answer(MsgBox::ResultNo);
    QVERIFY(window->close());
    QCOMPARE(m_boxes->count(), 1);
    QVERIFY2(m_boxes->last().text.startsWith(QStringLiteral("Die Projektdatei \"%1\" wurde modifiziert.").arg(shown)),
             qPrintable(m_boxes->last().text));
}

void MainWindowFlowsTest::openThroughChooser()
{
    const QString file = writeProject(*m_env, QStringLiteral("Daten/Spiele.prj"), {"A", "B"});
    QList<FileChooser::Request> requests;
    FileChooser::ScopedHandler chooser([&](const FileChooser::Request &request) {
        requests.append(request);
        return file;
    });
    auto window = makeWindow();
    action(*window, "MainMenu_Projektdatei_Oeffnen")->trigger();
    action(*window, "MainMenu_Projektdatei_Oeffnen")->trigger();

    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[0].kind, FileChooser::Kind::OpenFile);
    QCOMPARE(requests[0].caption, QStringLiteral("Projektdatei öffnen..."));
    QCOMPARE(requests[0].filter, kFilter);
    QCOMPARE(requests[0].startFolder, QDir::homePath());
    QCOMPARE(requests[1].startFolder, m_env->path(QStringLiteral("Daten")));
    QCOMPARE(requests[1].preselectedName, QStringLiteral("Spiele.prj"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Talvoren V4 - <%1> Test").arg(file));
    QCOMPARE(window->currentEntry(), window->project()->tree.root()->child(0));
    QCOMPARE(window->reopenFileNames(), QStringList{file});
}

void MainWindowFlowsTest::failedLoadKeepsProject()
{
    const QString file = writeProject(*m_env, QStringLiteral("Katalog.prj"));
    auto window = makeWindow();
    QVERIFY(window->loadProject(file));
    const QString title = window->windowTitle();

    m_boxes->answer(MsgBox::ResultOk);
    QVERIFY(!window->loadProject(m_env->path(QStringLiteral("fehlt.prj"))));
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->last().helpContext, 80030);
    QCOMPARE(window->project()->fileName, file);
    QCOMPARE(window->windowTitle(), title);
    QVERIFY(window->hasOpenProject());
}

void MainWindowFlowsTest::commandStatesFollowTheFlows()
{
    const QString file = writeProject(*m_env, QStringLiteral("Katalog.prj"), {"Eins", "Zwei"}, {"Kind"});
    const QString other = m_env->path(QStringLiteral("Anders.prj"));
    FileChooser::ScopedHandler chooser([&](const FileChooser::Request &) { return other; });
    auto window = makeWindow();
    QCOMPARE(enabledCommands(*window), QStringList());
    QVERIFY(window->treeView()->isHidden());

    const QStringList loaded = {"SpeichernUnter",
                                "Schliessen",
                                "Editieren",
                                "Statistik",
                                "EintragBearbeiten",
                                "EintragHinzufuegen",
                                "UntereintragHinzufuegen",
                                "OrdnerEinlesen",
                                "EintragVerschiebenNach_Unten",
                                "UntereintraegeEntfernen",
                                "AlleEintraegeEntfernen",
                                "Suchen",
                                "KommentarfeldAusblenden"};
    QVERIFY(window->loadProject(file));
    QCOMPARE(enabledCommands(*window), loaded);
    QVERIFY(!window->treeView()->isHidden());

    window->markModified();
    QCOMPARE(enabledCommands(*window), QStringList{"Speichern"} + loaded);
    action(*window, "MainMenu_Projektdatei_Speichern")->trigger();
    QCOMPARE(enabledCommands(*window), loaded);

    window->markModified();
    action(*window, "MainMenu_Projektdatei_SpeichernUnter")->trigger();
    QCOMPARE(enabledCommands(*window), loaded);
    QCOMPARE(window->project()->fileName, other);

    action(*window, "MainMenu_Projektdatei_Neu")->trigger();
    QCOMPARE(enabledCommands(*window), QStringList({"SpeichernUnter", "Schliessen", "Statistik", "EintragHinzufuegen",
                                                    "OrdnerEinlesen", "Suchen", "KommentarfeldAusblenden"}));
    QVERIFY(!window->treeView()->isHidden());
    QCOMPARE(window->windowTitle(), QStringLiteral("Talvoren V4"));

    action(*window, "MainMenu_Projektdatei_Schliessen")->trigger();
    QCOMPARE(enabledCommands(*window), QStringList());
    QVERIFY(window->treeView()->isHidden());
    QCOMPARE(m_boxes->count(), 0);
}

void MainWindowFlowsTest::saveAsAddsReopenItem_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("added");
    QTest::newRow("same name") << QStringLiteral("Daten/Katalog.prj") << false;
    QTest::newRow("other letter case") << QStringLiteral("Daten/katalog.prj") << true;
    QTest::newRow("other folder") << QStringLiteral("Sicherung/Katalog.prj") << true;
}

void MainWindowFlowsTest::saveAsAddsReopenItem()
{
    QFETCH(QString, chosen);
    QFETCH(bool, added);
    const QString file = writeProject(*m_env, QStringLiteral("Daten/Katalog.prj"));
    const QString target =
        m_env->makeFolder(QFileInfo(chosen).path()) + QLatin1Char('/') + QFileInfo(chosen).fileName();
    FileChooser::Request asked;
    FileChooser::ScopedHandler chooser([&](const FileChooser::Request &request) {
        asked = request;
        return target;
    });
    auto window = makeWindow();
    QVERIFY(window->loadProject(file));
    action(*window, "MainMenu_Projektdatei_SpeichernUnter")->trigger();

    QCOMPARE(asked.kind, FileChooser::Kind::SaveFile);
    QCOMPARE(asked.caption, QStringLiteral("Projektdatei speichern unter..."));
    QCOMPARE(asked.filter, kFilter);
    QCOMPARE(asked.startFolder, m_env->path(QStringLiteral("Daten")));
    QCOMPARE(asked.preselectedName, QStringLiteral("Katalog.prj"));
    QVERIFY(asked.confirmOverwrite);
    QVERIFY(QFileInfo::exists(target));
    QCOMPARE(window->reopenFileNames(), added ? QStringList{file} : QStringList());
    QCOMPARE(window->project()->fileName, target);
    QCOMPARE(AppContext::projectFileName(), target);
    QCOMPARE(window->windowTitle(), QStringLiteral("Talvoren V4 - <%1> Test").arg(target));
}

void MainWindowFlowsTest::unnamedProjectIsSavedAs()
{
    const QString target = m_env->path(QStringLiteral("Neu.prj"));
    int asked = 0;
    FileChooser::ScopedHandler chooser([&](const FileChooser::Request &) {
        ++asked;
        return asked == 1 ? QString() : target;
    });
    auto window = makeWindow();
    action(*window, "MainMenu_Projektdatei_Neu")->trigger();
    window->project()->tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral("Neu")));
    window->markModified();

    m_boxes->answer(MsgBox::ResultYes);
    action(*window, "MainMenu_Projektdatei_Schliessen")->trigger();
    QCOMPARE(asked, 1);
    QVERIFY(window->hasOpenProject());
    QVERIFY(window->isModified());
    QCOMPARE(window->project()->tree.count(), 1);

    action(*window, "MainMenu_Projektdatei_Speichern")->trigger();
    QCOMPARE(asked, 2);
    QVERIFY(!window->isModified());
    QVERIFY(fileText(target).contains(QStringLiteral("Titel=Neu")));
    QCOMPARE(window->windowTitle(), QStringLiteral("Talvoren V4 - <%1> ").arg(target));
    QCOMPARE(window->reopenFileNames(), QStringList());
}

void MainWindowFlowsTest::loadingAsksForUnnamedChanges()
{
    const QString file = writeProject(*m_env, QStringLiteral("Katalog.prj"));
    auto window = makeWindow();
    action(*window, "MainMenu_Projektdatei_Neu")->trigger();
    window->project()->tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral("Ungespeichert")));
    window->markModified();

    m_boxes->answer(MsgBox::ResultCancel);
    QVERIFY(!window->loadProject(file));
    QCOMPARE(m_boxes->last().helpContext, 80060);
    QCOMPARE(window->project()->tree.root()->child(0)->title, QStringLiteral("Ungespeichert"));

    m_boxes->answer(MsgBox::ResultNo);
    QVERIFY(window->loadProject(file));
    QCOMPARE(window->project()->fileName, file);
    QCOMPARE(window->reopenFileNames(), QStringList());
}

void MainWindowFlowsTest::reopenListKeepsTenNewest()
{
    QStringList files;
    for (int i = 0; i < 11; ++i)
        files.append(writeProject(*m_env, QStringLiteral("Ablage/Projekt%1 & Co.PRJ").arg(i, 2, 10, QLatin1Char('0'))));
    auto window = makeWindow();
    for (const QString &file : files)
        QVERIFY(window->loadProject(file));
    action(*window, "MainMenu_Projektdatei_Schliessen")->trigger();

    const QStringList newest = files.mid(1);
    QCOMPARE(window->reopenFileNames(), newest);
    auto *menu = window->findChild<QMenu *>(QStringLiteral("MainMenu_Projektdatei_ErneutOeffnen"));
    QStringList shown = captions(menu);
    shown.replaceInStrings(QStringLiteral("&&"), QStringLiteral("&"));
    QCOMPARE(shown, newest);
    QVERIFY(menu->menuAction()->isEnabled());

    menu->actions().constLast()->trigger();
    QCOMPARE(window->project()->fileName, files.last());
}

void MainWindowFlowsTest::ctrlEOpensReopenMenu()
{
    const QString file = writeProject(*m_env, QStringLiteral("Ablage/Eins.prj"));
    auto window = makeWindow();
    QVERIFY(window->loadProject(file));
    action(*window, "MainMenu_Projektdatei_Schliessen")->trigger();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto *menu = window->findChild<QMenu *>(QStringLiteral("MainMenu_Projektdatei_ErneutOeffnen"));
    QVERIFY(!menu->isVisible());
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

namespace {

// Reaches the protected receivers() of any object.
struct SignalPeek : QObject {
    static int receiverCount(const QObject *object, const char *signal)
    {
        return (object->*(&SignalPeek::receivers))(signal);
    }
};

} // namespace

void MainWindowFlowsTest::everyEnabledCommandDoesSomething()
{
    auto window = makeWindow();
    QStringList idle;
    for (QAction *item : window->findChildren<QAction *>()) {
        const QString name = item->objectName();
        if (!name.startsWith(QLatin1String("MainMenu_")) || item->menu() || item->isSeparator() || !item->isEnabled())
            continue;
        bool connected = SignalPeek::receiverCount(item, SIGNAL(triggered(bool))) > 0;
        for (QObject *owner : item->associatedObjects()) {
            if (auto *menu = qobject_cast<QMenu *>(owner))
                connected = connected || SignalPeek::receiverCount(menu, SIGNAL(triggered(QAction *))) > 0;
        }
        if (!connected)
            idle.append(name);
    }
    QVERIFY2(idle.isEmpty(), qPrintable(idle.join(QStringLiteral(", "))));
}

void MainWindowFlowsTest::commandsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("window");
    QTest::newRow("Editieren") << "MainMenu_Projektdatei_Editieren"
                               << "TEditorForm";
    QTest::newRow("Statistik") << "MainMenu_Projektdatei_Statistik"
                               << "TStatistikForm";
    QTest::newRow("Drucken") << "MainMenu_Projektdatei_Export_Drucken"
                             << "TExportDruckenForm";
    QTest::newRow("Textdatei") << "MainMenu_Projektdatei_Export_Textdatei"
                               << "TExportTextdateiForm";
    QTest::newRow("Einstellungen") << "MainMenu_Optionen_EinstellungenKonfigurieren"
                                   << "TEinstellungenForm";
}

void MainWindowFlowsTest::commandsOpenTheirWindows()
{
    QFETCH(QString, name);
    QFETCH(QString, window);
    const QString file = writeProject(*m_env, QStringLiteral("Ablage/Eins.prj"));
    auto form = makeWindow();
    QVERIFY(form->loadProject(file));
    QStringList opened;
    ModalSeam::ScopedHandler modal([&opened](QDialog *dialog) {
        opened << QString::fromLatin1(dialog->metaObject()->className());
        return int(QDialog::Rejected);
    });
    QAction *item = form->findChild<QAction *>(name);
    QVERIFY(item);
    QVERIFY(item->isEnabled());
    item->trigger();
    QCOMPARE(opened, QStringList{window});
}

BREKKO_TEST_MAIN(MainWindowFlowsTest)
#include "MainWindowFlowsTest.moc"
