#include "tree/TItemEditForm.h"

#include "common/DialogParts.h"
#include "common/FileChooser.h"
#include "components/EditContextMenu.h"
#include "components/FileListBox.h"
#include "components/FolderListBox.h"
#include "project/Project.h"
#include "tree/CommentFileAppend.h"
#include "tree/ItemEditFindings.h"
#include "tree/ItemEditHost.h"
#include "tree/TImagesEditForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

constexpr int kHelpContext = 30100;

struct FileFilter {
    const char *text;
    const char *mask;
};

const FileFilter kFilters[] = {
    {"Alle Dateien [*.*]", "*.*"},
    {"Ausführbare Dateien [*.bat;*.com;*.exe]", "*.bat;*.com;*.exe"},
    {"Archivdateien", "*.arc;*.arj;*.cab;*.huff;*.ice;*.lha;*.lzh;pak;*.paq;*.rar;*.tar;*.uc2;*.uc3;*.zap;*.zip;*.zoo"},
    {"Textdateien",
     "*.asc;*.diz;*.doc;*.hlp;*.htm;*.html;*.inf;*.rtf;*.txt;*.wri;*.xls;lies.*;liesmich.*;read.*;readme.*"},
    {"Grafikdateien", "*.bmp;*.cgm;*.dxf;*.gij;*.jpg;*.pcd;*.pcx;*.tif;*.wmf;*.wpg"},
};

QPushButton *makeButton(QWidget *parent, const QString &objectName, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TItemEditForm::TItemEditForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TItemEditForm"));
    setWindowTitle(QStringLiteral("Projekteintrag bearbeiten"));
    setSizeGripEnabled(true);

    m_normalArea = new QWidget(this);
    auto *normal = new QVBoxLayout(m_normalArea);
    normal->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    top->addWidget(createTitleGroup(), 1);
    top->addWidget(createImageGroup());
    normal->addLayout(top);
    normal->addWidget(createCommandGroup(), 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_normalArea, 3);
    layout->addWidget(createCommentGroup(), 2);
    layout->addWidget(createButtonRow());
    connectSynchronisation();
    resize(640, 600);
}

QGroupBox *TItemEditForm::createTitleGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Baumtitel:"), this);
    m_title = new QLineEdit(group);
    m_title->setObjectName(QStringLiteral("TitelEdit"));
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_title);
    layout->addStretch();
    return group;
}

QGroupBox *TItemEditForm::createImageGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Baumimage:"), this);
    m_normalImage = new QComboBox(group);
    m_normalImage->setObjectName(QStringLiteral("ImageComboBox1"));
    m_selectedImage = new QComboBox(group);
    m_selectedImage->setObjectName(QStringLiteral("ImageComboBox2"));
    QPushButton *left = makeButton(group, QStringLiteral("ImageButtonLeft"), QStringLiteral("<"));
    QPushButton *right = makeButton(group, QStringLiteral("ImageButtonRight"), QStringLiteral(">"));
    m_useImages = new QCheckBox(QStringLiteral("Verwenden"), group);
    m_useImages->setObjectName(QStringLiteral("ImageCheckBoxUseImages"));
    QPushButton *editImages = makeButton(group, QStringLiteral("ImageButtonBearbeiten"), QStringLiteral("Bearbeiten"));

    auto *layout = new QGridLayout(group);
    layout->addWidget(new QLabel(QStringLiteral("Standard:"), group), 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Markiert:"), group), 0, 2);
    layout->addWidget(m_normalImage, 1, 0);
    auto *arrows = new QHBoxLayout;
    arrows->addWidget(left);
    arrows->addWidget(right);
    layout->addLayout(arrows, 1, 1);
    layout->addWidget(m_selectedImage, 1, 2);
    layout->addWidget(m_useImages, 2, 0);
    layout->addWidget(editImages, 2, 2);

    connect(left, &QPushButton::clicked, this, &TItemEditForm::ImageButtonLeft_OnClick);
    connect(right, &QPushButton::clicked, this, &TItemEditForm::ImageButtonRight_OnClick);
    connect(editImages, &QPushButton::clicked, this, &TItemEditForm::ImageButtonBearbeiten_OnClick);
    return group;
}

QPushButton *TItemEditForm::addActionButton(QWidget *parent, const QString &objectName, const QString &caption,
                                            int action)
{
    QPushButton *button = makeButton(parent, objectName, caption);
    button->setCheckable(true);
    m_actions->addButton(button, action);
    return button;
}

QGroupBox *TItemEditForm::createCommandGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Befehl:"), this);
    m_actions = new QButtonGroup(group);
    m_actions->setExclusive(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(
        addActionButton(group, QStringLiteral("BefehlButtonKeineAktion"), QStringLiteral("Keine Aktion"), 0));
    buttons->addWidget(
        addActionButton(group, QStringLiteral("BefehlButtonAusfuehren"), QStringLiteral("Ausführen"), 1));
    buttons->addWidget(
        addActionButton(group, QStringLiteral("BefehlButtonDateimanager"), QStringLiteral("Dateimanager"), 2));
    buttons->addWidget(addActionButton(group, QStringLiteral("BefehlButtonUnrar"), QStringLiteral("UnRar"), 3));
    buttons->addWidget(addActionButton(group, QStringLiteral("BefehlButtonUnzip"), QStringLiteral("UnZip"), 4));
    buttons->addWidget(addActionButton(group, QStringLiteral("BefehlButtonMakro"), QStringLiteral("Makro"), 5));

    m_command = new QLineEdit(group);
    m_command->setObjectName(QStringLiteral("BefehlEdit"));
    m_folders = new FolderListBox(group);
    m_folders->setObjectName(QStringLiteral("BefehlDirectoryListBox"));
    m_files = new FileListBox(group);
    m_files->setObjectName(QStringLiteral("BefehlFileListBox"));
    m_filter = new QComboBox(group);
    m_filter->setObjectName(QStringLiteral("BefehlFilterComboBox"));
    for (const FileFilter &filter : kFilters)
        m_filter->addItem(QString::fromUtf8(filter.text), QString::fromUtf8(filter.mask));

    auto *fileColumn = new QVBoxLayout;
    fileColumn->addWidget(m_files, 1);
    fileColumn->addWidget(m_filter);
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_folders, 1);
    lists->addLayout(fileColumn, 1);
    auto *layout = new QVBoxLayout(group);
    layout->addLayout(buttons);
    layout->addWidget(m_command);
    layout->addLayout(lists, 1);

    connect(m_filter, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_files->setMask(m_filter->itemData(index).toString()); });
    return group;
}

QGroupBox *TItemEditForm::createCommentGroup()
{
    m_commentGroup = new QGroupBox(QStringLiteral("Kommentar:"), this);
    m_comment = new QPlainTextEdit(m_commentGroup);
    m_comment->setObjectName(QStringLiteral("KommentarMemo"));
    m_comment->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_comment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_comment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AttachEditContextMenu(m_comment);
    QPushButton *open = makeButton(m_commentGroup, QStringLiteral("KommentarButtonOeffnen"), QStringLiteral("Öffnen"));
    QPushButton *selectAll =
        makeButton(m_commentGroup, QStringLiteral("KommentarButtonAllesMarkieren"), QStringLiteral("Alles mark."));
    m_commentWindowButton =
        makeButton(m_commentGroup, QStringLiteral("KommentarButtonFenster"), QStringLiteral("Maximieren"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(selectAll);
    buttons->addWidget(m_commentWindowButton);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(m_commentGroup);
    layout->addWidget(m_comment, 1);
    layout->addLayout(buttons);

    connect(open, &QPushButton::clicked, this, &TItemEditForm::KommentarButtonOeffnen_OnClick);
    connect(selectAll, &QPushButton::clicked, this, [this] {
        m_comment->selectAll();
        m_comment->setFocus();
    });
    connect(m_commentWindowButton, &QPushButton::clicked, this, [this] { setCommentEnlarged(!m_commentEnlarged); });
    return m_commentGroup;
}

QWidget *TItemEditForm::createButtonRow()
{
    auto *apply = named(new QPushButton(QStringLiteral("Über&nehmen"), this), "Button_Uebernehmen");
    QHBoxLayout *layout = MakeDialogButtonRow(this, apply, kHelpContext);
    layout->setContentsMargins(0, 0, 0, 0);
    m_buttonRow = new QWidget(this);
    m_buttonRow->setLayout(layout);
    m_help = m_buttonRow->findChild<QPushButton *>(QStringLiteral("Button_Hilfe"));
    for (QPushButton *button : {m_buttonRow->findChild<QPushButton *>(QStringLiteral("Button_Abbrechen")), m_help})
        button->setAutoDefault(false);
    connect(apply, &QPushButton::clicked, this, &TItemEditForm::Button_Uebernehmen_OnClick);
    return m_buttonRow;
}

void TItemEditForm::setCommentEnlarged(bool on)
{
    if (on == m_commentEnlarged)
        return;
    m_commentEnlarged = on;
    m_normalArea->setVisible(!on);
    m_buttonRow->setVisible(!on);
    m_commentWindowButton->setText(on ? QStringLiteral("Minimieren") : QStringLiteral("Maximieren"));
    if (on) {
        m_normalSize = size();
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // A hidden window keeps its maximised size unless it is given back.
    setWindowState(windowState() & ~Qt::WindowMaximized);
    resize(m_normalSize);
}

// One item per image, numbered from 1; items are only added or taken from
// the end.
void TItemEditForm::rebuildImageItems(int imageCount)
{
    for (QComboBox *box : {m_normalImage, m_selectedImage}) {
        while (box->count() > imageCount)
            box->removeItem(box->count() - 1);
        while (box->count() < imageCount)
            box->addItem(QString::number(box->count() + 1));
    }
    const ImageList &images = m_host->project().images;
    for (int i = 0; i < imageCount; ++i) {
        const QIcon icon(QPixmap::fromImage(images.image(i)));
        m_normalImage->setItemIcon(i, icon);
        m_selectedImage->setItemIcon(i, icon);
    }
}

void TItemEditForm::ImageButtonLeft_OnClick()
{
    m_normalImage->setCurrentIndex(NormalImageFor(m_selectedImage->currentIndex()));
}

void TItemEditForm::ImageButtonRight_OnClick()
{
    m_selectedImage->setCurrentIndex(SelectedImageFor(m_normalImage->currentIndex()));
}

// The image list may grow or shrink; the drop-downs follow it, keeping the
// chosen positions where they still exist.
void TItemEditForm::ImageButtonBearbeiten_OnClick()
{
    ItemEditHost *host = m_host;
    EditImageList(host->project(), this, [host] { host->imagesEdited(); });
    const int normal = m_normalImage->currentIndex();
    const int selected = m_selectedImage->currentIndex();
    rebuildImageItems(host->project().images.count());
    m_normalImage->setCurrentIndex(normal < m_normalImage->count() ? normal : -1);
    m_selectedImage->setCurrentIndex(selected < m_selectedImage->count() ? selected : -1);
}

void TItemEditForm::KommentarButtonOeffnen_OnClick()
{
    const QString fileName = FileChooser::openFile(this, QStringLiteral("Textdatei wählen..."), m_folders->folder(),
                                                   QStringLiteral("Textdateien [*.txt]|*.txt|Alle Dateien [*.*]|*.*"));
    if (fileName.isEmpty())
        return;
    const CommentFileAppend::Result result =
        CommentFileAppend::read(fileName, m_comment->document()->characterCount() - 1);
    if (!result.lines.isEmpty()) {
        QTextCursor cursor(m_comment->document());
        cursor.movePosition(QTextCursor::End);
        const QString separator = m_comment->document()->isEmpty() ? QString() : QStringLiteral("\n");
        cursor.insertText(separator + result.lines.join(QLatin1Char('\n')));
    }
    CommentFileAppend::report(result);
}
