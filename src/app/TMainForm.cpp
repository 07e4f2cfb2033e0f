#include "app/TMainForm.h"

#include "app/CatalogueCommands.h"
#include "app/ExportCommands.h"
#include "app/MainHandovers.h"
#include "app/MainItemEditHost.h"
#include "app/MainStatusBar.h"
#include "app/ProjectToolCommands.h"
#include "app/SearchCommands.h"
#include "app/TSplashForm.h"
#include "app/settings/SettingsCommands.h"
#include "commands/MacroFile.h"
#include "components/AnimatedIcon.h"
#include "components/ToolbarDock.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Talvoren V4");
constexpr int kCommentPanelHeight = 80;

struct CommandButton {
    const char *name;
    const char *caption;
    const char *hint;
};

// One per action number, 1 to 5, in the order they stand in the field.
const CommandButton kCommandButtons[] = {
    {"BefehlAusfuehrenButton", "&Ausführen", "Befehlszeile ausführen"},
    {"BefehlDateimanagerButton", "&Dateimanager", "Dateimanager"},
    {"BefehlUnrarButton", "Un&rar", "Entpacken - Unrar"},
    {"BefehlMakroButton", "Ma&kro", "Makro ausführen"},
    {"BefehlUnzipButton", "Un&zip", "Entpacken - Unzip"},
};

QBoxLayout *tightLayout(QBoxLayout *layout)
{
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// The hint a widget without one of its own shows: the nearest one among its
// parents below top (the tree shows its panel's hint).
QString inheritedHint(const QWidget *widget, const QWidget *top)
{
    if (!widget->statusTip().isEmpty())
        return {};
    for (const QWidget *parent = widget->parentWidget(); parent && parent != top; parent = parent->parentWidget()) {
        if (!parent->statusTip().isEmpty())
            return parent->statusTip();
    }
    return {};
}

bool isMouseEvent(QEvent::Type type)
{
    return type == QEvent::MouseMove || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
           || type == QEvent::MouseButtonDblClick;
}

} // namespace

TMainForm::TMainForm(const StartConfig &config, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(config.settings)
    , m_startProject(config.startProject)
    , m_startMacro(config.startMacro)
    , m_commandLineMacro(config.commandLineMacro)
    , m_project(std::make_unique<Project>())
{
    setObjectName(QStringLiteral("TMainForm"));
    setAcceptDrops(false);
    setWindowTitle(kTitle);

    createCentralArea();
    createMenus();
    createToolbars();
    new SearchCommands(*this);
    new CatalogueCommands(*this);
    new ProjectToolCommands(*this);
    new ExportCommands(*this);
    new SettingsCommands(*this, config.settingsFile);
    m_handovers = std::make_unique<MainHandovers>(*this);
    m_tree->projectModel()->setProject(m_project.get());
    connect(m_tree, &ProjectTreeView::selectedEntryChanged, this, &TMainForm::Tree_OnChange);
    connectTreeEditing();
    connectTreeEvents();
    connectCommandField();
    connectCommentField();

    for (const int designed : {2, 4, 6, 8, 73})
        SetCommandState(designed);
    if (!config.helpFile.isEmpty())
        SetCommandState(0);
    setToolItems(m_settings.tools);
    applySettings(config);

    m_statusBar->setSimpleText(QStringLiteral("Initialisiere. Bitte warten..."));
    m_statusBar->tickClock();
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    disconnectCommentField();
    if (m_splash)
        delete m_splash;
}

void TMainForm::createCentralArea()
{
    createDocks();
    auto *central = new QWidget(this);
    auto *outer = tightLayout(new QVBoxLayout(central));
    outer->addWidget(m_docks[0]);

    auto *middle = tightLayout(new QHBoxLayout);
    middle->addWidget(m_docks[4]);
    auto *column = tightLayout(new QVBoxLayout);
    column->addWidget(m_docks[1]);
    column->addWidget(createTreePanel(), 1);
    column->addWidget(m_docks[2]);
    column->addWidget(createCommandPanel());
    middle->addLayout(column, 1);
    middle->addWidget(m_docks[5]);
    outer->addLayout(middle, 1);

    outer->addWidget(m_docks[3]);
    m_statusBar = new MainStatusBar(central);
    outer->addWidget(m_statusBar);
    setCentralWidget(central);
}

QWidget *TMainForm::createTreePanel()
{
    m_treePanel = new QFrame;
    m_treePanel->setObjectName(QStringLiteral("TreePanel"));
    m_treePanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_treeSplitter = new QSplitter(Qt::Vertical, m_treePanel);
    m_treeSplitter->setChildrenCollapsible(false);

    m_tree = new ProjectTreeView(m_treeSplitter);
    m_tree->setObjectName(QStringLiteral("Tree"));

    m_commentPanel = new QFrame(m_treeSplitter);
    m_commentPanel->setObjectName(QStringLiteral("KommentarPanel"));
    m_commentPanel->setStatusTip(QStringLiteral("Kommentartext"));
    // Plain text: its layout works line by line as lines are shown, so a
    // comment of a million lines is set in one call.
    m_commentEdit = new QPlainTextEdit(m_commentPanel);
    m_commentEdit->setObjectName(QStringLiteral("KommentarEdit"));
    tightLayout(new QVBoxLayout(m_commentPanel))->addWidget(m_commentEdit);

    m_treeSplitter->addWidget(m_tree);
    m_treeSplitter->addWidget(m_commentPanel);
    m_treeSplitter->setStretchFactor(0, 1);
    m_treeSplitter->setStretchFactor(1, 0);
    m_treeSplitter->setSizes({400, kCommentPanelHeight});
    tightLayout(new QVBoxLayout(m_treePanel))->addWidget(m_treeSplitter);
    return m_treePanel;
}

QWidget *TMainForm::createCommandPanel()
{
    m_commandPanel = new QFrame;
    m_commandPanel->setObjectName(QStringLiteral("BefehlPanel"));
    m_commandPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto *layout = new QHBoxLayout(m_commandPanel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    m_commandEdit = new QLineEdit(m_commandPanel);
    m_commandEdit->setObjectName(QStringLiteral("BefehlszeileEdit"));
    m_commandEdit->setToolTip(QStringLiteral("Befehlszeile"));
    m_commandEdit->setStatusTip(QStringLiteral("Befehlszeile"));
    layout->addWidget(m_commandEdit, 1);

    for (int i = 0; i < 5; ++i) {
        const CommandButton &design = kCommandButtons[i];
        auto *panel = new QFrame(m_commandPanel);
        panel->setObjectName(QString::fromLatin1(design.name) + QStringLiteral("Panel"));
        auto *button = new QPushButton(QString::fromUtf8(design.caption), panel);
        button->setObjectName(QString::fromLatin1(design.name));
        button->setToolTip(QString::fromUtf8(design.hint));
        button->setStatusTip(QString::fromUtf8(design.hint));
        button->setAutoDefault(false);
        auto *panelLayout = new QHBoxLayout(panel);
        panelLayout->setContentsMargins(2, 2, 2, 2);
        panelLayout->addWidget(button);
        m_commandButtons[i] = button;
        layout->addWidget(panel);
    }
    return m_commandPanel;
}

void TMainForm::updateTitle()
{
    if (m_project->fileName.isEmpty()) {
        setWindowTitle(kTitle);
        return;
    }
    setWindowTitle(kTitle + QStringLiteral(" - <") + m_project->fileName + QStringLiteral("> ") + m_project->name);
}

void TMainForm::setSplash(QWidget *splash)
{
    m_splash = splash;
}

void TMainForm::completeStartup()
{
    if (m_started)
        return;
    m_started = true;
    if (auto *splash = qobject_cast<TSplashForm *>(m_splash.data())) {
        splash->setStatus(QStringLiteral("Images werden bereitgestellt..."));
        splash->close();
        splash->deleteLater();
    }
    if (!m_startProject.isEmpty())
        loadProject(m_startProject);
    for (const QString &macro : {m_startMacro, m_commandLineMacro}) {
        if (!macro.isEmpty())
            RunMacroFile(macro);
    }
    m_statusBar->leaveSimpleMode();
    m_statusBar->animatedIcon()->start();
}

void TMainForm::showAsConfigured()
{
    switch (m_settings.windowState) {
    case 1:
        showMaximized();
        break;
    case 2:
        showMinimized();
        break;
    default:
        show();
        break;
    }
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    writeBackFields();
    if (isModified() && !askToSaveChanges()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TMainForm::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::StatusTip:
        m_statusBar->setPanelText(MainStatusBar::HintPanel, static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    // Start-up completes when the window first becomes active; without a
    // window manager that activates it, being shown is enough.
    case QEvent::WindowActivate:
    case QEvent::Show:
        if (m_splash && !m_started)
            QTimer::singleShot(0, this, &TMainForm::completeStartup);
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

// Every mouse message anywhere in the program shows its position. Entering
// a widget without a hint of its own shows the hint it inherits; Qt only
// sends the hints that widgets carry themselves.
bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (isMouseEvent(event->type()) && watched->isWidgetType())
        m_statusBar->setMousePosition(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
    if (event->type() == QEvent::Enter && watched->isWidgetType()) {
        const auto *widget = static_cast<QWidget *>(watched);
        const QString hint = widget->window() == this ? inheritedHint(widget, this) : QString();
        if (!hint.isEmpty())
            m_statusBar->setPanelText(MainStatusBar::HintPanel, hint);
    }
    return QMainWindow::eventFilter(watched, event);
}
