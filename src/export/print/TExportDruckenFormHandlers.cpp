#include "export/print/TExportDruckenForm.h"

#include "common/BusyCursor.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "export/print/PageFormats.h"
#include "export/print/PrintSubForms.h"
#include "export/print/TPagePrinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <cmath>

namespace {

// Qt's own question before a file is replaced, in the program's language.
bool mayReplace(QWidget *parent, const QString &caption, const QString &fileName)
{
    const QFileInfo file(fileName);
    if (!file.exists())
        return true;
    QMessageBox question(QMessageBox::Warning, caption,
                         QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(file.fileName()),
                         QMessageBox::Yes | QMessageBox::No, parent);
    question.setDefaultButton(QMessageBox::No);
    return RunModal(&question) == QMessageBox::Yes;
}

} // namespace

void TExportDruckenForm::UpdatePageInfo()
{
    BusyCursor busy;
    m_printer->beginUpdate();
    m_printer->recomputePages();
    m_printer->endUpdate();
    setIfDifferent(m_currentPage, QString::number(m_printer->currentPage()));
    if (m_pageCount->text() != QString::number(m_printer->pageCount()))
        m_pageCount->setText(QString::number(m_printer->pageCount()));
    setIfDifferent(m_from, QStringLiteral("1"));
    setIfDifferent(m_to, QString::number(m_printer->pageCount()));
    m_printer->setToolTip(QStringLiteral("%1 x %2 mm")
                              .arg(std::lround(m_printer->pageWidth()))
                              .arg(std::lround(m_printer->pageHeight())));
}

void TExportDruckenForm::RenderText()
{
    BusyCursor busy;
    const PrintFields fields{m_fieldTitle->isChecked(), m_fieldComment->isChecked(), m_fieldCommand->isChecked()};
    // The old text goes first: a large project is held once, not twice.
    m_printer->setLines({});
    m_printer->beginUpdate();
    m_printer->setLines(m_source ? m_source(fields) : QStringList());
    m_printer->endUpdate();
    UpdatePageInfo();
}

void TExportDruckenForm::ComboBox_Format_OnChange()
{
    const FormatMargins margins =
        MarginsForFormat(m_format->currentIndex(), m_printer->pageWidth(), m_printer->pageHeight(),
                         m_settings.customPageWidth, m_settings.customPageHeight);
    m_left->setText(QString::number(margins.left));
    m_top->setText(QString::number(margins.top));
    m_right->setText(QString::number(margins.right));
    m_bottom->setText(QString::number(margins.bottom));
}

void TExportDruckenForm::ComboBox_Zoom_OnChange()
{
    QString text = m_zoom->currentText().trimmed();
    if (text.endsWith(QLatin1Char('%')))
        text.chop(1);
    bool ok = false;
    const int percent = text.toInt(&ok);
    if (ok && percent != m_printer->zoom())
        m_printer->setZoom(percent);
    m_zoom->setEditText(QString::number(m_printer->zoom()) + QLatin1Char('%'));
}

void TExportDruckenForm::changeZoom(int percent)
{
    m_printer->setZoom(qMax(0, percent));
    m_zoom->setEditText(QString::number(m_printer->zoom()) + QLatin1Char('%'));
}

void TExportDruckenForm::MaskEdit_AktuelleSeite_OnChange()
{
    bool ok = false;
    const int page = m_currentPage->text().trimmed().toInt(&ok);
    if (!ok)
        return;
    if (page >= 1 && page <= m_printer->pageCount()) {
        if (page != m_printer->currentPage())
            m_printer->setCurrentPage(page);
    } else {
        setIfDifferent(m_currentPage, QString::number(m_printer->currentPage()));
    }
}

void TExportDruckenForm::Button_TextBearbeiten_OnClick()
{
    BusyCursor busy;
    TExportDruckenTextBearbeitenForm form(this);
    form.setText(m_printer->lines(), m_printer->font(), m_wordWrap->isChecked());
    NormalCursor normal;
    if (RunModal(&form) != QDialog::Accepted)
        return;
    m_printer->setLines(form.lines());
    UpdatePageInfo();
}

void TExportDruckenForm::Button_Schriftart_OnClick()
{
    QFont font = m_printer->font();
    if (!FileChooser::chooseFont(this, QStringLiteral("Schriftart"), font))
        return;
    m_printer->setFont(font);
    UpdatePageInfo();
}

void TExportDruckenForm::Button_KopfUndFusszeile_OnClick()
{
    TExportDruckenKopfUndFusszeileForm form(this);
    form.headerEdit()->setText(m_printer->header());
    form.footerEdit()->setText(m_printer->footer());
    if (RunModal(&form) != QDialog::Accepted)
        return;
    m_printer->beginUpdate();
    m_printer->setHeader(form.headerEdit()->text());
    m_printer->setFooter(form.footerEdit()->text());
    m_printer->endUpdate();
    UpdatePageInfo();
}

void TExportDruckenForm::Button_Seitenrahmen_OnClick()
{
    TExportDruckenSeitenrahmenForm form(this);
    form.setFrame(m_printer->frameSides(), static_cast<int>(std::lround(m_printer->frameDistance())));
    if (RunModal(&form) != QDialog::Accepted)
        return;
    m_printer->beginUpdate();
    m_printer->setFrameSides(form.sides());
    m_printer->setFrameDistance(form.distance());
    m_printer->endUpdate();
    UpdatePageInfo();
}

void TExportDruckenForm::Button_DruckerEinrichten_OnClick()
{
    if (!FileChooser::choosePrinter(this, QStringLiteral("Drucker einrichten"), m_printer->printer()))
        return;
    m_printer->printerChanged();
    ComboBox_Format_OnChange();
    UpdatePageInfo();
}

void TExportDruckenForm::Button_StartPrint_OnClick()
{
    if (!m_collate->isChecked())
        m_printer->setCollate(false);
    m_printer->setCopies(m_copies->text().trimmed().toInt());
    m_printer->setFromPage(m_from->text().trimmed().toInt());
    m_printer->setToPage(m_to->text().trimmed().toInt());

    if (m_toFile->isChecked()) {
        m_printer->setPrintToFile(true);
        TMsgPrintToFileForm ask(this);
        if (RunModal(&ask) != QDialog::Accepted || !mayReplace(this, ask.windowTitle(), ask.fileName()))
            return;
        m_printer->setFileName(ask.fileName());
    } else {
        m_printer->setPrintToFile(false);
        if (m_printer->printing()) {
            ShowMsgBox(QStringLiteral("Drucker beschäftigt..."),
                       QStringLiteral("Der gewählte Drucker ist zur Zeit bereits voll ausgelastet.\r"
                                      "Zu einem späteren Zeitpunkt erneut versuchen."),
                       MsgBox::Information, MsgBox::InformationBeep, MsgBox::Ok, 0);
            return;
        }
    }
    if (m_printer->print()) {
        accept();
        return;
    }
    if (m_printer->cancelled()) {
        ShowMsgBox(QStringLiteral("Drucken"), m_printer->lastError(), MsgBox::Information, MsgBox::InformationBeep,
                   MsgBox::Ok, 0);
        return;
    }
    ShowMsgBox(QStringLiteral("Fehler: Drucken nicht möglich..."),
               QStringLiteral("Der Versuch die Textseite(n) auszudrucken ist fehlgeschlagen."), MsgBox::Error,
               MsgBox::ErrorBeep, MsgBox::Ok, 80480);
}
