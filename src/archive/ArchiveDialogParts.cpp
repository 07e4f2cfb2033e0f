#include "archive/ArchiveDialogParts.h"

#include "archive/zip/ZipDirectory.h"
#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileUtils.h"
#include "common/ModalSeam.h"
#include "components/SortGrid.h"

#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace {

constexpr int kFlushIntervalMs = 100;

} // namespace

bool AskEntryPassword(QWidget *parent, const QString &fileName, QString &password)
{
    NormalCursor normal;
    QInputDialog input(parent);
    input.setObjectName(QStringLiteral("PasswortDialog"));
    input.setWindowTitle(QStringLiteral("Passwort..."));
    input.setLabelText(QStringLiteral("Passwort benötigt von ") + fileName);
    input.setTextEchoMode(QLineEdit::Password);
    if (RunModal(&input) != QDialog::Accepted)
        return false;
    password = input.textValue();
    return true;
}

void SetListingHeaders(SortGrid *grid)
{
    // "100%" must fit, whatever the font.
    const int shareWidth = qMax(35, grid->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 12);
    grid->setHeaders({QStringLiteral("Name"), QStringLiteral("Größe"), QStringLiteral("Komprimiert"),
                      QStringLiteral("Grad"), QStringLiteral("Datum/Zeit")},
                     {210, 100, 100, shareWidth, 90});
    grid->horizontalHeader()->setStretchLastSection(true);
}

void AppendListingRow(SortGrid *grid, const QString &name, qint64 size, qint64 packed, quint32 dosDateTime)
{
    const double share = size ? 100.0 * static_cast<double>(packed) / static_cast<double>(size) : 0.0;
    grid->appendRow({name, FormatThousands(size), FormatThousands(packed),
                     QString::number(qRound64(share)) + QLatin1Char('%'), DosDateTimeText(dosDateTime)},
                    {QVariant(), size, packed, share, dosDateTime});
}

ExtractionLog::ExtractionLog(QWidget *parent)
    : m_view(named(new QPlainTextEdit(parent), "RichEdit"))
{
    m_view->setReadOnly(true);
    m_sinceFlush.start();
}

void ExtractionLog::clear()
{
    m_waiting.clear();
    m_view->clear();
}

void ExtractionLog::prepend(const QString &line)
{
    m_waiting.append(line);
    if (m_sinceFlush.elapsed() >= kFlushIntervalMs)
        flush();
}

void ExtractionLog::appendToNewest(const QString &text)
{
    if (!m_waiting.isEmpty()) {
        m_waiting.last() += text;
        return;
    }
    QTextCursor cursor(m_view->document()->firstBlock());
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(text);
}

void ExtractionLog::flush()
{
    m_sinceFlush.restart();
    if (m_waiting.isEmpty())
        return;
    std::reverse(m_waiting.begin(), m_waiting.end());
    const bool first = m_view->document()->isEmpty();
    QTextCursor cursor(m_view->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.insertText(m_waiting.join(QLatin1Char('\n')));
    if (!first)
        cursor.insertBlock();
    m_waiting.clear();
}
