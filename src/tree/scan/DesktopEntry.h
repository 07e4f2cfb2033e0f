#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// The launcher a freedesktop ".desktop" file describes, as far as a
// catalogue entry needs it.
struct DesktopEntry {
    QString name;
    QString comment;
    QString exec;
    QString icon;
    // Working folder of the program; empty when not given.
    QString path;
};

// Reads the "[Desktop Entry]" group; German names and comments win over the
// others. nullopt unless it describes an application with a name and a
// program that is not hidden.
std::optional<DesktopEntry> ParseDesktopEntry(QByteArrayView text);

// The words of an Exec value, unquoted, with the field codes (%f, %U, ...)
// removed and "%%" made "%".
QStringList DesktopExecWords(const QString &exec);

// A command line that starts program with arguments: an argument with
// blanks or quotes is quoted as the start of a program splits parameters.
// A program path with blanks is a command line of its own and takes no
// arguments.
QString DesktopCommandLine(const QString &program, const QStringList &arguments);
