#pragma once

#include "common/ScopedSeam.h"

#include <QString>

#include <functional>

class QFileDialog;
class QFont;
class QPrinter;
class QWidget;

// The one way to ask for a file, folder, font or printer. A test installs a
// handler that answers instead of the real chooser.
namespace FileChooser {

enum class Kind { OpenFile, SaveFile, Folder, Font, Printer };

struct Request {
    Kind kind = Kind::OpenFile;
    QString caption;
    QString startFolder;
    // The proposed file name; for Font the current font (QFont::toString),
    // for Printer the current printer name.
    QString preselectedName;
    // In the program's form: "Text [*.txt]|*.txt|Alle Dateien [*.*]|*.*".
    QString filter;
    QString defaultSuffix;         // save: added to a name without suffix
    bool confirmOverwrite = false; // save: ask before replacing a file
    bool fixedPitchOnly = false;   // font: offer fixed-pitch fonts only
};

// A handler's answer: the chosen path; for Font a QFont::toString text; for
// Printer an absolute path to print to that file, else a printer name.
// Empty means cancel.
using Handler = std::function<QString(const Request &request)>;

// Installs a handler and returns the previous one; an empty handler shows
// the real choosers.
Handler setHandler(Handler handler);

// Installs a handler for its lifetime.
using ScopedHandler = ScopedSeam<Handler, &setHandler>;

// Each returns the chosen path, empty when cancelled. The path must exist
// for openFile and folder.
QString openFile(QWidget *parent, const QString &caption, const QString &startFolder, const QString &filter,
                 const QString &preselectedName = {});
QString saveFile(QWidget *parent, const QString &caption, const QString &startFolder, const QString &filter,
                 const QString &preselectedName, bool confirmOverwrite, const QString &defaultSuffix = {});
QString folder(QWidget *parent, const QString &caption, const QString &startFolder);

// Both change their argument only when the user confirms; true then.
bool chooseFont(QWidget *parent, const QString &caption, QFont &font, bool fixedPitchOnly = false);
bool choosePrinter(QWidget *parent, const QString &caption, QPrinter &printer);

// Sets up a file dialog for an open, save or folder request.
void configureFileDialog(QFileDialog &dialog, const Request &request);

// "Projektdateien [*.prj]|*.prj|Alle Dateien [*.*]|*.*" ->
// "Projektdateien [*.prj] (*.prj);;Alle Dateien [*.*] (*)".
QString toQtFilter(const QString &filter);

} // namespace FileChooser
