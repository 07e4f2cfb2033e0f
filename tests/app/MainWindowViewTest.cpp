#include "MainWindowTestSupport.h"

#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"
#include "app/MainStatusBar.h"
#include "app/Startup.h"
#include "app/VersionTexts.h"
#include "components/AnimatedIcon.h"
#include "components/DockingToolbar.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace MainWindowTest;

namespace {

void hover(MainStatusBar *bar, int panel)
{
    const auto *label = bar->findChild<QLabel *>(QStringLiteral("StatusBar_Panel%1").arg(panel));
    const QPoint at = label->mapTo(bar, label->rect().center());
    QMouseEvent move(QEvent::MouseMove, at, bar->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
}

// A real move of the pointer, with the enter and leave events it causes.
void moveMouseTo(QWidget *widget, const QPoint &position)
{
    QCursor::setPos(widget->mapToGlobal(position));
    QApplication::processEvents();
}

QAction *placeItem(DockingToolbar *toolbar, const QString &caption)
{
    return menuItem(toolbar->popupMenu()->actions().constFirst()->menu(), caption);
}

int countOf(const QSignalSpy &spy, int panel)
{
    int count = 0;
    for (const QList<QVariant> &call : spy)
        count += call.constFirst().toInt() == panel ? 1 : 0;
    return count;
}

} // namespace

class MainWindowViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clockWritesOnlyOnChange();
    void statusBarHints_data();
    void statusBarHints();
    void toolbarButtonsHintAndGrey();
    void viewSwitches_data();
    void viewSwitches();
    void toolbarDocking();
    void settingsShapeTheWindow();
    void toolsBeyondWhatAMenuShows();
    void positionHintStaysOverTheTree();
    void startProject_data();
    void startProject();

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
};

void MainWindowViewTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_boxes = std::make_unique<MsgBoxRecorder>();
}

void MainWindowViewTest::cleanup()
{
    QVERIFY(!m_boxes->failed());
    m_boxes.reset();
    m_env.reset();
}

void MainWindowViewTest::clockWritesOnlyOnChange()
{
    auto window = makeWindow();
    MainStatusBar *bar = window->statusLine();
    QDateTime now(QDate(2024, 3, 5), QTime(10, 20, 30));
    bar->setClock([&now] { return now; });
    QSignalSpy writes(bar, &MainStatusBar::panelWritten);

    bar->tickClock();
    bar->tickClock();
    QCOMPARE(countOf(writes, MainStatusBar::ClockPanel), 1);
    QCOMPARE(bar->panelText(MainStatusBar::ClockPanel), QStringLiteral("10:20:30"));

    now = now.addMSecs(400);
    bar->tickClock();
    QCOMPARE(countOf(writes, MainStatusBar::ClockPanel), 1);
    now = now.addMSecs(700);
    bar->tickClock();
    QCOMPARE(countOf(writes, MainStatusBar::ClockPanel), 2);
    QCOMPARE(bar->panelText(MainStatusBar::ClockPanel), QStringLiteral("10:20:31"));
}

void MainWindowViewTest::statusBarHints_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<QString>("hint");
    QTest::newRow("clock") << 2 << QStringLiteral("Dienstag, der 05. März 2024");
    QTest::newRow("mouse") << 3 << QStringLiteral("Mauskoordinaten");
    QTest::newRow("percent") << 4 << QStringLiteral("Prozentanzeige");
    QTest::newRow("hint") << 0 << VersionTexts::versionLine;
    QTest::newRow("icon") << 1 << VersionTexts::versionLine;
}

void MainWindowViewTest::statusBarHints()
{
    QFETCH(int, panel);
    QFETCH(QString, hint);
    auto window = makeWindow();
    window->completeStartup();
    MainStatusBar *bar = window->statusLine();
    bar->setClock([] { return QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59)); });
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QApplication::processEvents();

    hover(bar, panel);
    QCOMPARE(bar->panelText(MainStatusBar::HintPanel), hint);
    QCOMPARE(bar->panelText(MainStatusBar::MousePanel).count(QLatin1Char(':')), 1);
}

void MainWindowViewTest::toolbarButtonsHintAndGrey()
{
    auto window = makeWindow();
    window->completeStartup();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QList<QToolButton *> buttons =
        window->findChildren<QToolButton *>(QRegularExpression(QStringLiteral("^Toolbar[123]Button_")));
    QCOMPARE(buttons.size(), 15);
    for (QToolButton *button : buttons) {
        const QString name = button->objectName();
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(button, &enter);
        QVERIFY2(!button->toolTip().isEmpty(), qPrintable(name));
        if (button->isEnabled())
            QCOMPARE(window->statusLine()->panelText(MainStatusBar::HintPanel), button->toolTip());

        const QIcon icon = button->icon();
        const QImage normal = icon.pixmap(QSize(16, 16), QIcon::Normal).toImage();
        const QImage disabled = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
        QVERIFY2(!normal.isNull() && normal != disabled, qPrintable(name));
        bool grey = true;
        for (int y = 0; y < disabled.height(); ++y) {
            for (int x = 0; x < disabled.width(); ++x) {
                const QRgb pixel = disabled.pixel(x, y);
                grey = grey && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
            }
        }
        QVERIFY2(grey, qPrintable(name));
    }
}

void MainWindowViewTest::viewSwitches_data()
{
    QTest::addColumn<QString>("switchName");
    QTest::addColumn<QString>("partName");
    QTest::newRow("Toolbar Projektdatei") << "MainMenu_Optionen_ToolbarProjektdateiAusblenden"
                                          << "Toolbar1";
    QTest::newRow("Toolbar Bearbeiten") << "MainMenu_Optionen_ToolbarBearbeitenAusblenden"
                                        << "Toolbar2";
    QTest::newRow("Toolbar Extras") << "MainMenu_Optionen_ToolbarExtrasAusblenden"
                                    << "Toolbar3";
    QTest::newRow("Kommentarfeld") << "MainMenu_Optionen_KommentarfeldAusblenden"
                                   << "KommentarPanel";
    QTest::newRow("Befehlsfeld") << "MainMenu_Optionen_BefehlsfeldAusblenden"
                                 << "BefehlPanel";
    QTest::newRow("Statuszeile") << "MainMenu_Optionen_StatuszeileAusblenden"
                                 << "StatusBar";
}

void MainWindowViewTest::viewSwitches()
{
    QFETCH(QString, switchName);
    QFETCH(QString, partName);
    auto window = makeWindow();
    action(*window, "MainMenu_Projektdatei_Neu")->trigger();
    QAction *viewSwitch = window->findChild<QAction *>(switchName);
    auto *part = window->findChild<QWidget *>(partName);
    QVERIFY(part->isVisible());

    viewSwitch->trigger();
    QVERIFY(viewSwitch->isChecked());
    QVERIFY(!part->isVisible());
    viewSwitch->trigger();
    QVERIFY(!viewSwitch->isChecked());
    QVERIFY(part->isVisible());
}

void MainWindowViewTest::toolbarDocking()
{
    auto window = makeWindow();
    auto *toolbar = window->findChild<DockingToolbar *>(QStringLiteral("Toolbar2"));
    QCOMPARE(toolbar->popupMenu()->objectName(), QStringLiteral("ToolbarPopupMenu2"));
    QCOMPARE(toolbar->parentWidget()->objectName(), QStringLiteral("Dock_Top"));

    placeItem(toolbar, QStringLiteral("Links"))->trigger();
    QCOMPARE(toolbar->parentWidget()->objectName(), QStringLiteral("Dock_Left"));
    QCOMPARE(toolbar->orientation(), Qt::Vertical);
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("Dock_Left"))->isVisible());
    emit toolbar->popupMenu()->aboutToShow();
    QVERIFY(placeItem(toolbar, QStringLiteral("Links"))->isChecked());

    placeItem(toolbar, QStringLiteral("[Nicht angedockt]"))->trigger();
    QCOMPARE(toolbar->dockedTo(), int(DockFloating));
    QVERIFY(toolbar->floatingWindow()->isVisible());
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("Dock_Left"))->isVisible());

    QTest::mouseDClick(toolbar, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(toolbar->dockedTo(), int(DockTop));
    QCOMPARE(toolbar->parentWidget()->objectName(), QStringLiteral("Dock_Top"));

    toolbar->popupMenu()->actions().constLast()->trigger();
    QVERIFY(action(*window, "MainMenu_Optionen_ToolbarBearbeitenAusblenden")->isChecked());
    QVERIFY(!toolbar->isVisible());
}

void MainWindowViewTest::settingsShapeTheWindow()
{
    StartConfig config;
    config.settings.toolbarHidden[1] = true;
    config.settings.commentPanelHidden = true;
    config.settings.toolbarPlaces[2] = {DockBottom, DockRight, -1, -1};
    config.settings.toolbarPlaces[0] = {9, 9, -1, -1};
    config.settings.singleExpand = true;
    config.settings.autoScroll = false;
    config.settings.tools = {{QStringLiteral("&Editor"), QStringLiteral("c:\\editor.exe")}};
    auto window = makeWindow(config);

    QVERIFY(action(*window, "MainMenu_Optionen_ToolbarBearbeitenAusblenden")->isChecked());
    QVERIFY(action(*window, "MainMenu_Optionen_KommentarfeldAusblenden")->isChecked());
    QVERIFY(!action(*window, "MainMenu_Optionen_BefehlsfeldAusblenden")->isChecked());
    auto *extras = window->findChild<DockingToolbar *>(QStringLiteral("Toolbar3"));
    QCOMPARE(extras->dockedTo(), int(DockRight));
    QCOMPARE(extras->defaultDock(), int(DockBottom));
    QCOMPARE(window->findChild<DockingToolbar *>(QStringLiteral("Toolbar1"))->dockedTo(), int(DockTop));
    QVERIFY(window->treeView()->singleExpand());
    QVERIFY(!window->treeView()->hasAutoScroll());
    auto *tools = window->findChild<QMenu *>(QStringLiteral("MainMenu_Tools"));
    QVERIFY(tools->menuAction()->isVisible());
    QCOMPARE(tools->actions().constFirst()->statusTip(), QStringLiteral("c:\\editor.exe"));

    action(*window, "MainMenu_Projektdatei_Neu")->trigger();
    QVERIFY(!window->findChild<QWidget *>(QStringLiteral("KommentarPanel"))->isVisible());
    QVERIFY(window->findChild<QWidget *>(QStringLiteral("BefehlPanel"))->isVisible());
}

// A settings file with a huge Tools section must not stall the start.
void MainWindowViewTest::toolsBeyondWhatAMenuShows()
{
    StartConfig config;
    for (int n = 1; n <= 20'000; ++n)
        config.settings.tools.append({QStringLiteral("T%1").arg(n), QStringLiteral("tool %1").arg(n)});
    auto window = makeWindow(config);
    const QList<QAction *> items = window->findChild<QMenu *>(QStringLiteral("MainMenu_Tools"))->actions();
    QCOMPARE(items.size(), 501);
    QCOMPARE(items.at(499)->statusTip(), QStringLiteral("tool 500"));
    QCOMPARE(items.last()->text(), QStringLiteral("(19.500 weitere Einträge nicht angezeigt)"));
    QVERIFY(!items.last()->isEnabled());
}

// The mouse over the tree shows the tree panel's hint, also when it comes
// back from the comment field.
void MainWindowViewTest::positionHintStaysOverTheTree()
{
    const QString file = writeProject(*m_env, QStringLiteral("Katalog.prj"), {"Eins", "Zwei", "Drei"});
    auto window = makeWindow();
    window->completeStartup();
    QVERIFY(window->loadProject(file));
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    ProjectTreeView *tree = window->treeView();
    ProjectEntry *second = window->project()->tree.entryAt(1);
    tree->selectEntry(second);
    const QString position = QStringLiteral("Position: 2/3    Ebene: 0    Untereinträge: 0    Image: 3,4");
    const auto panel = [&window] { return window->statusLine()->panelText(MainStatusBar::HintPanel); };
    const QRect item = tree->visualRect(tree->projectModel()->indexOf(second));
    QCOMPARE(window->statusLine()->panelText(MainStatusBar::PercentPanel), QStringLiteral("67%"));

    QWidget *comment = window->commentField()->viewport();
    // No button held from an earlier test's double-click: a held button
    // keeps the pointer with the widget it was pressed on.
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {},
                        window->statusLine()->mapTo(window.get(), QPoint(1, 1)));

    moveMouseTo(tree->viewport(), item.center());
    QCOMPARE(panel(), position);
    moveMouseTo(tree->viewport(), item.center() + QPoint(0, item.height()));
    QCOMPARE(panel(), position);
    moveMouseTo(comment, comment->rect().center());
    QCOMPARE(panel(), window->findChild<QWidget *>(QStringLiteral("KommentarPanel"))->statusTip());
    moveMouseTo(tree->viewport(), item.center());
    QCOMPARE(panel(), position);
}

void MainWindowViewTest::startProject_data()
{
    QTest::addColumn<bool>("onCommandLine");
    QTest::newRow("command line wins") << true;
    QTest::newRow("settings") << false;
}

void MainWindowViewTest::startProject()
{
    QFETCH(bool, onCommandLine);
    const QString fromSettings = writeProject(*m_env, QStringLiteral("Einstellung.prj"));
    const QString fromCommandLine = writeProject(*m_env, QStringLiteral("Aufruf.prj"));
    m_env->writeFile(QStringLiteral("program/Brekko.ini"),
                     "<Talvoren V4 Ini-Datei>\r\n[Dateien]\r\nProjektdatei=" + fromSettings.toUtf8() + "\r\n");
    QStringList splash;
    OperationObserver splashStatus;
    splashStatus.status = [&splash](const QString &text) { splash.append(text); };
    const std::optional<StartConfig> config =
        PrepareStart(onCommandLine ? QStringList{fromCommandLine} : QStringList(), splashStatus);
    QVERIFY(config);
    QCOMPARE(splash, QStringList{QStringLiteral("Ini-Datei wird eingelesen...")});

    auto window = makeWindow(*config);
    QVERIFY(window->statusLine()->isSimpleMode());
    QCOMPARE(window->statusLine()->simpleText(), QStringLiteral("Initialisiere. Bitte warten..."));
    window->completeStartup();
    QCOMPARE(window->project()->fileName, onCommandLine ? fromCommandLine : fromSettings);
    QVERIFY(!window->statusLine()->isSimpleMode());
    QVERIFY(window->statusLine()->animatedIcon()->isRunning());
}

BREKKO_TEST_MAIN(MainWindowViewTest)
#include "MainWindowViewTest.moc"
