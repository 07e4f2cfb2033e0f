#include "common/editor/DocumentText.h"

#include <QTextDocument>

QString DocumentText(const QTextDocument &document)
{
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}
