#pragma once

#include <QString>
#include <QStringList>

// Appending the lines of a text file to an entry's comment, which holds at
// most a fixed number of characters.
namespace CommentFileAppend {

constexpr int kCommentCapacity = 1024 * 1024;

struct Result {
    enum Outcome { NotText, NothingAdded, TooLarge, Complete };
    Outcome outcome = NotText;
    // The lines that fit, in file order.
    QStringList lines;
};

// Reads fileName line by line for a comment that already holds
// currentLength characters; a line that would go past capacity (with its
// line break) ends the reading. A file that cannot be read or holds NUL
// bytes is not a text file.
Result read(const QString &fileName, qsizetype currentLength, qsizetype capacity = kCommentCapacity);

// Tells the user how the appending went.
void report(const Result &result);

} // namespace CommentFileAppend
