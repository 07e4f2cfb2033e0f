#include "filemanager/TDateimanagerForm.h"

#include "common/DialogParts.h"
#include "common/Help.h"
#include "common/editor/TEditorForm.h"
#include "components/DrawnIcons.h"
#include "filemanager/TFileList.h"
#include "filemanager/ops/FileOpsDialogs.h"
#include "platform/Volumes.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct Filter {
    const char *text;
    const char *patterns;
};

const Filter kFilters[] = {
    {"Alle Dateien (*.*)", "*.*"},
    {"Ausführbare Dateien [*.bat;*.com;*.exe]", "*.bat;*.com;*.exe"},
    {"Text- und Dokumentdateien [*.asc;*.diz;*.doc;*.inf;*.htm;*.html;*.pdf;*.rtf;*.txt]",
     "*.asc;*.diz;*.doc;*.inf;*.htm;*.html;*.pdf;*.rtf;*.txt"},
    {"Grafikdateien [*.ani;*.avi;*.bmp;*.cdr;*.gif;*.ico;*.jpg;*.mpg;*.wmf]",
     "*.ani;*.avi;*.bmp;*.cdr;*.gif;*.ico;*.jpg;*.mpg;*.wmf"},
    {"Archivdateien [*.acb;*.arc;*.arj;*.cab;*.huff;*.ice;*.lha;*.lzh;*.pak;*.paq;*.rar;*.tar;*.uc2;*.uc3;*.zap;"
     "*.zip;*.zoo]",
     "*.acb;*.arc;*.arj;*.cab;*.huff;*.ice;*.lha;*.lzh;*.pak;*.paq;*.rar;*.tar;*.uc2;*.uc3;*.zap;*.zip;*.zoo"},
};

QToolButton *ToolButton(const char *name, const QString &hint, const QIcon &icon, QWidget *parent)
{
    auto *button = named(new QToolButton(parent), name);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setAutoRaise(true);
    return button;
}

QToolButton *ToolButton(const char *name, const QString &hint, QStyle::StandardPixmap icon, QWidget *parent)
{
    return ToolButton(name, hint, parent->style()->standardIcon(icon), parent);
}

} // namespace

TDateimanagerForm::TDateimanagerForm(const Settings &settings, ArchiveDialogs archiveDialogs, QWidget *parent)
    : QDialog(parent)
    , m_archiveDialogs(std::move(archiveDialogs))
{
    setObjectName(QStringLiteral("TDateimanagerForm"));
    setWindowTitle(QStringLiteral("Dateimanager"));
    SetHelpContext(this, kHelpContext);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    resize(640, 460);

    m_fileList = named(new TFileList(this), "FileList");
    FileListModel &model = m_fileList->model();
    model.setFileTypes(ftArchive | ftReadonly | ftSystem | ftHidden);
    model.setViewColumns(InfoBit(fiName) | InfoBit(fiSize) | InfoBit(fiType) | InfoBit(fiModified) | InfoBit(fiCreated)
                         | InfoBit(fiAttributes) | InfoBit(fiDosName));
    model.setRenameHandler([this](int row, const QString &name) { return renameItem(row, name); });
    connect(&model, &FileListModel::aboutToRead, this, [this] {
        m_reading = true;
        m_statusBar->showMessage(QStringLiteral("Objekte werden gelesen..."));
        m_statusBar->repaint();
    });
    connect(&model, &FileListModel::readFinished, this, &TDateimanagerForm::showReadStatus);
    connect(m_fileList, &TFileList::selectionChanged, this, &TDateimanagerForm::showSelectionStatus);
    connect(m_fileList, &TFileList::itemActivated, this, &TDateimanagerForm::FileList_OnOpen);

    m_statusBar = named(new QStatusBar(this), "StatusBar");
    m_statusBar->setSizeGripEnabled(false);
    m_countPanel = named(new QLabel(m_statusBar), "StatusPanel0");
    m_countPanel->setFixedWidth(200);
    m_bytesPanel = named(new QLabel(m_statusBar), "StatusPanel1");
    m_statusBar->addWidget(m_countPanel);
    m_statusBar->addWidget(m_bytesPanel, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(4);
    buildTopPanel();
    layout->addWidget(findChild<QWidget *>(QStringLiteral("TopPanel")));
    layout->addWidget(m_fileList, 1);
    buildComPanel();
    layout->addWidget(findChild<QWidget *>(QStringLiteral("ComPanel")));
    buildButtonPanel();
    layout->addWidget(findChild<QWidget *>(QStringLiteral("ButtonPanel")));
    layout->addWidget(m_statusBar);
    buildMenus(settings.tools);

    if (settings.fileManagerState == 1)
        setWindowState(Qt::WindowMaximized);
    else if (settings.fileManagerState == 2)
        setWindowState(Qt::WindowMinimized);
    const int style = settings.fileManagerViewStyle >= 1 && settings.fileManagerViewStyle <= 4
                          ? settings.fileManagerViewStyle
                          : int(TFileList::vsList);
    m_viewButtons.at(style - 1)->click();
}

QToolButton *TDateimanagerForm::viewButton(const char *name, const QString &hint, int style)
{
    static const DrawnIcons::Kind icons[] = {DrawnIcons::LargeIcons, DrawnIcons::SmallIcons, DrawnIcons::List,
                                             DrawnIcons::Details};
    QToolButton *button = ToolButton(name, hint, DrawnIcons::icon(icons[style - 1]), this);
    button->setCheckable(true);
    connect(button, &QToolButton::clicked, this,
            [this, style] { m_fileList->setViewStyle(TFileList::ViewStyle(style)); });
    m_viewButtons.append(button);
    return button;
}

void TDateimanagerForm::buildTopPanel()
{
    auto *panel = named(new QWidget(this), "TopPanel");
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    m_rootButton = ToolButton("Button_RootDir", QStringLiteral("Stammverzeichnis"),
                              DrawnIcons::icon(DrawnIcons::RootFolder), this);
    m_upButton = ToolButton("Button_UpperDir", QStringLiteral("Übergeordnetes Verzeichnis"),
                            QStyle::SP_FileDialogToParent, this);
    m_driveBox = named(new QComboBox(panel), "DriveComboBox");
    m_driveBox->addItems(Volumes::driveList());
    auto *refresh =
        ToolButton("Button_Refresh", QStringLiteral("Ansicht aktualisieren"), QStyle::SP_BrowserReload, this);
    m_markButton = ToolButton("Button_Markieren", QStringLiteral("Markieren"), QStyle::SP_DialogApplyButton, this);
    m_sortButton = ToolButton("Button_Sortieren", QStringLiteral("Sortieren"), QStyle::SP_ArrowDown, this);
    auto *views = new QButtonGroup(panel);
    views->addButton(viewButton("Button_IconBig", QStringLiteral("Große Symbole"), TFileList::vsIcon));
    views->addButton(viewButton("Button_IconSmall", QStringLiteral("Kleine Symbole"), TFileList::vsSmallIcon));
    views->addButton(viewButton("Button_IconList", QStringLiteral("Liste"), TFileList::vsList));
    views->addButton(viewButton("Button_IconReport", QStringLiteral("Details"), TFileList::vsReport));
    m_viewButtons.at(TFileList::vsList - 1)->setChecked(true);
    m_filterBox = named(new QComboBox(panel), "FilterComboBox");
    for (const Filter &filter : kFilters)
        m_filterBox->addItem(QString::fromUtf8(filter.text), QString::fromLatin1(filter.patterns));
    m_filterBox->setToolTip(QString::fromLatin1(kFilters[0].patterns));
    m_filterBox->setMinimumContentsLength(8);
    m_driveBox->setMinimumContentsLength(8);
    m_filterBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_driveBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    row->addWidget(m_rootButton);
    row->addWidget(m_upButton);
    row->addWidget(m_driveBox, 1);
    row->addWidget(refresh);
    row->addWidget(m_markButton);
    row->addWidget(m_sortButton);
    for (QToolButton *button : std::as_const(m_viewButtons))
        row->addWidget(button);
    row->addWidget(m_filterBox, 1);

    connect(m_rootButton, &QToolButton::clicked, this, &TDateimanagerForm::Button_RootDir_OnClick);
    connect(m_upButton, &QToolButton::clicked, this, &TDateimanagerForm::Button_UpperDir_OnClick);
    connect(refresh, &QToolButton::clicked, this, &TDateimanagerForm::Button_Refresh_OnClick);
    connect(m_driveBox, &QComboBox::activated, this, &TDateimanagerForm::DriveComboBox_OnChange);
    connect(m_filterBox, &QComboBox::currentIndexChanged, this, &TDateimanagerForm::FilterComboBox_OnChange);
}

void TDateimanagerForm::buildComPanel()
{
    auto *panel = named(new QWidget(this), "ComPanel");
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    m_toolsButton = named(new QToolButton(panel), "Button_Tools");
    m_toolsButton->setText(QStringLiteral("&Tools"));
    m_toolsButton->setToolTip(QStringLiteral("Werkzeuge"));
    m_comBox = named(new QComboBox(panel), "ComBox");
    m_comBox->setEditable(true);
    m_comBox->setInsertPolicy(QComboBox::NoInsert);
    m_comBox->setMaxVisibleItems(10);
    m_comBox->setToolTip(QStringLiteral("Kommandozeile"));
    m_comBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_comBox->setMinimumContentsLength(10);
    m_comBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto *run = ToolButton("Button_ComRun", QStringLiteral("Kommandozeile ausführen"), QStyle::SP_MediaPlay, this);
    row->addWidget(m_toolsButton);
    row->addWidget(m_comBox, 1);
    row->addWidget(run);
    connect(run, &QToolButton::clicked, this, &TDateimanagerForm::Button_ComRun_OnClick);
    connect(m_comBox->lineEdit(), &QLineEdit::returnPressed, this, &TDateimanagerForm::Button_ComRun_OnClick);
    connect(m_comBox, &QComboBox::editTextChanged, this, &TDateimanagerForm::ComBox_OnChange);
    m_followLine = new QTimer(this);
    m_followLine->setSingleShot(true);
    m_followLine->setInterval(0);
    connect(m_followLine, &QTimer::timeout, this, &TDateimanagerForm::followTypedLine);
}

void TDateimanagerForm::buildButtonPanel()
{
    auto *panel = named(new QWidget(this), "ButtonPanel");
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    const auto add = [&](const char *name, const QString &caption, auto handler) {
        auto *button = named(new QPushButton(caption, panel), name);
        button->setAutoDefault(false);
        // Equal shares, never less than the caption needs.
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        row->addWidget(button, 1);
        connect(button, &QPushButton::clicked, this, handler);
    };
    const auto extract = [this](const std::function<void(QWidget *, const QString &)> &dialog) {
        if (dialog)
            dialog(this, m_comBox->currentText());
    };
    add("Button_Editor", QStringLiteral("E&ditor"), [this] { ShowEditor(this, m_comBox->currentText()); });
    add("Button_Kopieren", QStringLiteral("&Kopieren"),
        [this] { afterChange(RunCopyMoveDialog(this, listFolder(), selectedNames(), true)); });
    add("Button_Verschieben", QStringLiteral("&Verschieb."),
        [this] { afterChange(RunCopyMoveDialog(this, listFolder(), selectedNames(), false)); });
    add("Button_Loeschen", QStringLiteral("&Löschen"), [this] { Button_Loeschen_OnClick(); });
    add("Button_VerzeichnisErstellen", QStringLiteral("Verz. &erst."),
        [this] { afterChange(RunMakeFolderDialog(this, listFolder())); });
    add("Button_Unrar", QStringLiteral("Un&rar"), [this, extract] { extract(m_archiveDialogs.unrar); });
    add("Button_Unzip", QStringLiteral("Un&zip"), [this, extract] { extract(m_archiveDialogs.unzip); });
    add("Button_Eigenschaften", QStringLiteral("Eigen&s."), [this] { Button_Eigenschaften_OnClick(); });
}

void TDateimanagerForm::buildMenus(const QList<ToolItem> &tools)
{
    m_markMenu = named(new QMenu(this), "PopupMenu_Markieren");
    m_markMenu->addAction(QStringLiteral("&Gruppe markieren"), this, &TDateimanagerForm::selectGroup);
    m_markMenu->addAction(QStringLiteral("Markierung &umdrehen"), this, [this] { m_fileList->invertSelection(); });
    m_markMenu->addAction(QStringLiteral("&Keine markieren"), this, [this] { m_fileList->selectNone(); });
    m_markMenu->addAction(QStringLiteral("&Alle markieren"), this, [this] { m_fileList->selectAll(); });

    m_sortMenu = named(new QMenu(this), "PopupMenu_Sortieren");
    auto *group = new QActionGroup(m_sortMenu);
    const std::pair<QString, FileInfo> keys[] = {
        {QStringLiteral("&Name"), fiName},
        {QStringLiteral("&Erweiterung"), fiDosExt},
        {QStringLiteral("&Typ"), fiType},
        {QStringLiteral("&Größe"), fiSize},
        {QStringLiteral("&Datum/Uhrzeit"), fiCreated},
    };
    for (const auto &[caption, key] : keys) {
        QAction *action = m_sortMenu->addAction(caption, this, [this, key] { sortBy(key); });
        action->setCheckable(true);
        action->setChecked(key == fiName);
        group->addAction(action);
    }

    m_toolsMenu = named(new QMenu(this), "PopupMenu_Tools");
    setTools(tools);

    const auto popUnder = [](QToolButton *button, QMenu *menu) {
        connect(button, &QToolButton::clicked, menu,
                [button, menu] { menu->popup(button->mapToGlobal(QPoint(0, button->height()))); });
    };
    popUnder(m_markButton, m_markMenu);
    popUnder(m_sortButton, m_sortMenu);
    popUnder(m_toolsButton, m_toolsMenu);
}

void TDateimanagerForm::setTools(const QList<ToolItem> &tools)
{
    m_toolsMenu->clear();
    for (const ToolItem &tool : tools) {
        const QString command = tool.command;
        m_toolsMenu->addAction(tool.caption, this, [this, command] { runTool(command); });
    }
    m_toolsButton->setEnabled(!tools.isEmpty());
}
