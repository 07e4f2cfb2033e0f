#include "tree/TImagesEditForm.h"

#include "common/AppContext.h"
#include "common/DialogParts.h"
#include "common/FileChooser.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "project/Project.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QChar CR = QLatin1Char('\r');
constexpr int kPreviewSize = 64;

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void showNotBitmap(const QString &fileName)
{
    ShowMsgBox(QStringLiteral("Fehler: Keine Bitmap-Datei gewählt..."),
               QStringLiteral("Die angegebene Datei") + CR + quoted(fileName) + CR
                   + QStringLiteral("ist keine Bitmap-Datei."),
               MsgBox::Warning, MsgBox::ExclamationBeep, MsgBox::Ok | MsgBox::Help, 80140);
}

void showLoadFailed(const QString &fileName)
{
    ShowMsgBox(QStringLiteral("Fehler: Konnte Bitmap-Datei nicht laden..."),
               QStringLiteral("Die angegebene Bitmap-Datei") + CR + quoted(fileName) + CR
                   + QStringLiteral("konnte nicht eingeladen werden."),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80150);
}

bool confirmRemoval(int position)
{
    return ShowMsgBox(QStringLiteral("Image wirklich entfernen ?"),
                      QStringLiteral("Wollen Sie das externe Image mit der Nummer ") + QString::number(position + 1)
                          + CR + QStringLiteral("wirklich aus der Imageliste entfernen ?"),
                      MsgBox::Question, MsgBox::QuestionBeep, MsgBox::Yes | MsgBox::No | MsgBox::Help, 80160)
           == MsgBox::ResultYes;
}

void showRemovalFailed(int position)
{
    ShowMsgBox(QStringLiteral("Fehler: Konnte Image nicht entfernen..."),
               QStringLiteral("Das Image mit der Imagenummer ") + QString::number(position + 1)
                   + QStringLiteral(" konnte nicht") + CR + QStringLiteral("oder nur unvollständig entfernt werden."),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80170);
}

} // namespace

TImagesEditForm::TImagesEditForm(Project &project, std::function<void()> onChange, QWidget *parent)
    : QDialog(parent)
    , m_project(project)
    , m_editor(project)
    , m_onChange(std::move(onChange))
{
    setObjectName(QStringLiteral("TImagesEditForm"));
    setWindowTitle(QStringLiteral("Imageliste bearbeiten"));

    m_list = named(new QListWidget(this), "ImageListBox");
    m_list->setIconSize(QSize(ImageList::kSize, ImageList::kSize));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int position = 0; position < m_editor.count(); ++position)
        appendLine(position);

    m_preview = named(new QLabel(this), "ImageVorschau");
    m_preview->setFixedSize(kPreviewSize, kPreviewSize);
    m_preview->setFrameShape(QFrame::Box);
    m_fileLabel =
        named(new QLabel(QString::number(m_editor.count()) + QStringLiteral(" Bilder"), this), "ImageFileLabel");
    m_fileLabel->setTextFormat(Qt::PlainText);
    auto *sizeLabel = named(new QLabel(QStringLiteral("16x16 Pixel-Bitmap's"), this), "Label1");

    m_up = named(new QPushButton(QStringLiteral("&Oben"), this), "ButtonOben");
    m_down = named(new QPushButton(QStringLiteral("&Unten"), this), "ButtonUnten");
    m_add = named(new QPushButton(QStringLiteral("Image &hinzufügen"), this), "ButtonHinzufuegen");
    m_remove = named(new QPushButton(QStringLiteral("Image &entfernen"), this), "ButtonEntfernen");
    auto *close = named(new QPushButton(QStringLiteral("&Schließen"), this), "Button_Schliessen");
    close->setDefault(true);
    auto *help = named(new QPushButton(QStringLiteral("Hilfe"), this), "Button_Hilfe");
    help->setEnabled(AppContext::hasHelpFile());
    for (QPushButton *button : {m_up, m_down, m_remove})
        button->setEnabled(false);

    auto *side = new QVBoxLayout;
    side->addWidget(m_preview, 0, Qt::AlignHCenter);
    side->addWidget(sizeLabel);
    side->addWidget(m_fileLabel);
    side->addSpacing(8);
    for (QPushButton *button : {m_up, m_down, m_add, m_remove})
        side->addWidget(button);
    side->addStretch();
    side->addWidget(close);
    side->addWidget(help);
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_list, 0, 0);
    layout->addLayout(side, 0, 1);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &TImagesEditForm::ImageListBox_OnChange);
    connect(m_up, &QPushButton::clicked, this, &TImagesEditForm::ButtonOben_OnClick);
    connect(m_down, &QPushButton::clicked, this, &TImagesEditForm::ButtonUnten_OnClick);
    connect(m_add, &QPushButton::clicked, this, &TImagesEditForm::ButtonHinzufuegen_OnClick);
    connect(m_remove, &QPushButton::clicked, this, &TImagesEditForm::ButtonEntfernen_OnClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
}

QListWidgetItem *TImagesEditForm::lineFor(int position) const
{
    return m_list->item(position);
}

void TImagesEditForm::appendLine(int position)
{
    auto *line = new QListWidgetItem(QString::number(position + 1), m_list);
    line->setIcon(QIcon(QPixmap::fromImage(m_project.images.image(position))));
}

// Lines keep their numbers; from this position on they show other images.
void TImagesEditForm::refreshIcons(int from)
{
    for (int position = from; position < m_list->count(); ++position)
        lineFor(position)->setIcon(QIcon(QPixmap::fromImage(m_project.images.image(position))));
}

void TImagesEditForm::select(int position)
{
    m_list->setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
    ImageListBox_OnChange();
}

void TImagesEditForm::imagesChanged()
{
    m_changed = true;
    if (m_onChange)
        m_onChange();
}

void TImagesEditForm::ImageListBox_OnChange()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    const int position = selected.isEmpty() ? -1 : m_list->row(selected.first());
    if (position < 0) {
        for (QPushButton *button : {m_up, m_down, m_add, m_remove})
            button->setEnabled(false);
        m_preview->clear();
        m_fileLabel->setText(QStringLiteral("Kein Bild markiert..."));
        m_fileLabel->setToolTip(QStringLiteral("Es wurde kein Bild ausgewählt."));
        return;
    }
    m_preview->setPixmap(QPixmap::fromImage(m_project.images.image(position))
                             .scaled(kPreviewSize, kPreviewSize, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    m_add->setEnabled(true);
    m_up->setEnabled(m_editor.canMoveUp(position));
    m_down->setEnabled(m_editor.canMoveDown(position));
    m_remove->setEnabled(m_editor.canRemove(position));
    if (!ImageListEditor::isExternal(position)) {
        m_fileLabel->setText(QStringLiteral("Internes Image: ") + QString::number(position + 1));
        m_fileLabel->setToolTip(QStringLiteral("Das aktuell markierte Bild ist ein internes Images"));
        return;
    }
    const QString file = m_editor.fileOf(position);
    if (file.isEmpty()) {
        m_fileLabel->setText(QStringLiteral("Fehler: Unbekanntes Bild..."));
        m_fileLabel->setToolTip(QStringLiteral("Das markierte externe Bild kann keiner Datei zugeordnet werden"));
        return;
    }
    m_fileLabel->setText(QFileInfo(file).fileName());
    m_fileLabel->setToolTip(file);
}

void TImagesEditForm::ButtonOben_OnClick()
{
    const int position = m_list->currentRow();
    if (!m_editor.canMoveUp(position))
        return;
    m_editor.moveUp(position);
    refreshIcons(position - 1);
    select(position - 1);
    imagesChanged();
}

void TImagesEditForm::ButtonUnten_OnClick()
{
    const int position = m_list->currentRow();
    if (!m_editor.canMoveDown(position))
        return;
    m_editor.moveDown(position);
    refreshIcons(position);
    select(position + 1);
    imagesChanged();
}

void TImagesEditForm::ButtonHinzufuegen_OnClick()
{
    const QString projectFile = m_project.fileName;
    const QString startFolder =
        projectFile.isEmpty() ? AppContext::programDirectory() : QFileInfo(projectFile).absolutePath();
    const QString fileName =
        FileChooser::openFile(this, QStringLiteral("Bitmap-Datei wählen..."), startFolder,
                              QStringLiteral("Bitmap-Dateien [*.bmp]|*.bmp|Alle Dateien [*.*]|*.*"));
    if (fileName.isEmpty())
        return;
    switch (m_editor.add(fileName)) {
    case ImageListEditor::AddResult::NotBitmap:
        showNotBitmap(fileName);
        return;
    case ImageListEditor::AddResult::LoadFailed:
        showLoadFailed(fileName);
        return;
    case ImageListEditor::AddResult::Added:
        break;
    }
    appendLine(m_editor.count() - 1);
    select(m_editor.count() - 1);
    imagesChanged();
}

void TImagesEditForm::ButtonEntfernen_OnClick()
{
    const int position = m_list->currentRow();
    if (!confirmRemoval(position))
        return;
    if (!m_editor.remove(position)) {
        showRemovalFailed(position);
        return;
    }
    delete m_list->takeItem(m_list->count() - 1);
    refreshIcons(position);
    select(qMin(position, m_list->count() - 1));
    imagesChanged();
}

void TImagesEditForm::finishEditing()
{
    if (m_finished)
        return;
    m_finished = true;
    setWindowTitle(QStringLiteral("Einträge werden aktualisiert..."));
    if (m_editor.finish())
        imagesChanged();
}

void TImagesEditForm::done(int result)
{
    finishEditing();
    QDialog::done(result);
}

bool EditImageList(Project &project, QWidget *parent, std::function<void()> onChange)
{
    TImagesEditForm form(project, std::move(onChange), parent);
    RunModal(&form);
    form.finishEditing();
    return form.changed();
}
