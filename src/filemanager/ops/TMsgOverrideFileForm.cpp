#include "filemanager/ops/TMsgOverrideFileForm.h"

#include "common/DialogParts.h"
#include "common/FileUtils.h"
#include "common/ModalSeam.h"
#include "platform/NativeNames.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void addFile(QGridLayout *grid, int row, QWidget *parent, const FileFacts &facts, const char *name, const char *size,
             const char *time)
{
    auto *path = named(new QLabel(NativeNames::forDisplay(facts.path), parent), name);
    path->setTextFormat(Qt::PlainText);
    grid->addWidget(path, row, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Größe:"), parent), row + 1, 0);
    grid->addWidget(named(new QLabel(FormatThousands(facts.size), parent), size), row + 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Dateidatum/-zeit:"), parent), row + 1, 2);
    grid->addWidget(named(new QLabel(facts.modified.toString(QStringLiteral("dd.MM.yyyy  hh:mm:ss")), parent), time),
                    row + 1, 3);
}

} // namespace

TMsgOverrideFileForm::TMsgOverrideFileForm(const FileFacts &existing, const FileFacts &source, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TMsgOverrideFileForm"));
    setWindowTitle(QStringLiteral("Datei überschreiben ?"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Soll die Datei"), this), 0, 0, 1, 4);
    addFile(grid, 1, this, existing, "Label_Dateiname1", "Label_Dateigroesse1", "Label_Dateizeit1");
    grid->addWidget(new QLabel(QStringLiteral("durch die Datei"), this), 3, 0, 1, 4);
    addFile(grid, 4, this, source, "Label_Dateiname2", "Label_Dateigroesse2", "Label_Dateizeit2");
    grid->addWidget(new QLabel(QStringLiteral("ersetzt werden ?"), this), 6, 0, 1, 4);

    auto *overwrite = named(new QPushButton(QStringLiteral("Ü&berschreiben"), this), "Button_Ueberschreiben");
    auto *all = named(new QPushButton(QStringLiteral("A&lle überschreiben"), this), "Button_AlleUeberschreiben");
    auto *skip = named(new QPushButton(QStringLiteral("Über&springen"), this), "Button_Ueberspringen");
    addAnswer(overwrite, OverwriteAnswer::Overwrite);
    addAnswer(all, OverwriteAnswer::OverwriteAll);
    addAnswer(skip, OverwriteAnswer::Skip);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(MakeDialogButtonRow(this, {overwrite, all, skip}, kHelpContext));
}

void TMsgOverrideFileForm::addAnswer(QPushButton *button, OverwriteAnswer answer)
{
    connect(button, &QPushButton::clicked, this, [this, answer] {
        m_answer = answer;
        accept();
    });
}

OverwriteAnswer TMsgOverrideFileForm::ask(const FileFacts &existing, const FileFacts &source, QWidget *parent)
{
    TMsgOverrideFileForm form(existing, source, parent);
    RunModal(&form);
    return form.answer();
}
