#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QWidget;
class SortGrid;

// Parts the RAR and ZIP dialogs share.

// The one-line prompt for an encrypted entry's password. False when the
// user refuses it.
bool AskEntryPassword(QWidget *parent, const QString &fileName, QString &password);

// The listing of an archive: five titled columns, one row per entry with
// its name, sizes, packed share and DOS date-time.
void SetListingHeaders(SortGrid *grid);
void AppendListingRow(SortGrid *grid, const QString &name, qint64 size, qint64 packed, quint32 dosDateTime);

// The log of an extraction in the view "RichEdit": newest line first, no
// blank line at the end. Every change of the view lays it out again, so new
// lines wait and go in together, at most every 100 ms or when flushed.
class ExtractionLog {
public:
    explicit ExtractionLog(QWidget *parent);

    QPlainTextEdit *view() const { return m_view; }
    void clear();
    void prepend(const QString &line);
    void appendToNewest(const QString &text);
    void flush();

private:
    QPlainTextEdit *m_view;
    // Oldest first.
    QStringList m_waiting;
    QElapsedTimer m_sinceFlush;
};
