#include "project/TMsgPrjSyntaxErrorForm.h"

#include "common/AppContext.h"
#include "common/FileUtils.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "common/Sound.h"
#include "project/LoadReportTexts.h"
#include "project/ProjectFile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// One row of the counts: its caption and its number.
QLabel *addCount(QWidget *form, QGridLayout *grid, int row, const QString &text, int count)
{
    auto *caption = new QLabel(text, form);
    caption->setObjectName(QStringLiteral("Label%1").arg(row));
    auto *number = new QLabel(FormatThousands(count), form);
    number->setObjectName(QStringLiteral("AnzahlLabel%1").arg(row));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(caption, row - 1, 0);
    grid->addWidget(number, row - 1, 1);
    return number;
}

void markRedIf(QLabel *label, bool differs)
{
    if (!differs)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
}

} // namespace

TMsgPrjSyntaxErrorForm::TMsgPrjSyntaxErrorForm(const LoadReport &report, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TMsgPrjSyntaxErrorForm"));
    setWindowTitle(QStringLiteral("Syntaxfehler in der Projektdatei"));
    resize(600, 420);

    auto *layout = new QVBoxLayout(this);
    auto *fileLabel = new QLabel(report.fileName, this);
    fileLabel->setObjectName(QStringLiteral("PrjFileLabel"));
    fileLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(fileLabel);

    auto *counts = new QGridLayout;
    counts->setColumnStretch(0, 1);
    layout->addLayout(counts);
    QLabel *entriesRead = addCount(this, counts, 1, LoadReportTexts::entriesRead, report.entriesRead);
    addCount(this, counts, 2, LoadReportTexts::entriesInFile, report.entriesInFile);
    QLabel *linesRead = addCount(this, counts, 3, LoadReportTexts::linesRead, report.linesRead);
    addCount(this, counts, 4, LoadReportTexts::linesInFile, report.linesInFile);
    markRedIf(entriesRead, report.entriesRead != report.entriesInFile);
    markRedIf(linesRead, report.linesRead != report.linesInFile);

    auto *memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("ErrorMemo"));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setPlainText(report.problems.join(QLatin1Char('\n')));
    layout->addWidget(memo, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Button_Ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *help = new QPushButton(QStringLiteral("&Hilfe"), this);
    help->setObjectName(QStringLiteral("Button_Hilfe"));
    help->setEnabled(AppContext::hasHelpFile());
    connect(help, &QPushButton::clicked, this, &TMsgPrjSyntaxErrorForm::Button_Hilfe_OnClick);
    buttons->addWidget(ok);
    buttons->addWidget(help);
    layout->addLayout(buttons);
}

void TMsgPrjSyntaxErrorForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PlaySound(MsgBox::ExclamationBeep);
}

void TMsgPrjSyntaxErrorForm::Button_Hilfe_OnClick()
{
    ShowHelp(kHelpContext);
}

void ShowSyntaxReport(const LoadReport &report, QWidget *parent)
{
    if (report.problems.isEmpty())
        return;
    TMsgPrjSyntaxErrorForm form(report, parent);
    RunModal(&form);
}
