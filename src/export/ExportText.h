#pragma once

#include "common/settings/Settings.h"

#include <QStringList>

#include <functional>

class ProjectTree;

// The three field areas that steer how entries become text lines.
struct ExportFields {
    ExportArea title;
    ExportArea comment;
    ExportArea command;

    static ExportFields fromSettings(const Settings &settings);
};

// Switches on exactly the areas named by letters: b title, c comment, t
// command line (either case); false on any other letter.
bool SetFieldsFromLetters(const QString &letters, ExportFields &fields);
// The message for letters SetFieldsFromLetters refused.
QString FieldLettersError(const QString &letters);

// Indentation is drawn for this many tree levels at most; deeper entries
// stay at that depth, and the text ends with kIndentCappedNote.
inline constexpr int kMaxDrawnLevels = 100;
extern const QString kIndentCappedNote;

// Replaces lines by the project as text: every entry in display order, one
// blank per tree level, then per enabled area the separator and the field:
// the trimmed title, each comment line as stored, the command line as stored
// (also when empty). Levels below kMaxDrawnLevels are drawn at that depth.
void RenderProjectText(QStringList &lines, const ProjectTree &tree, const ExportFields &fields);

enum class ExportField { Title, Comment, Command };

// The six orders of the fields, in the order the dialog lists them.
inline constexpr int kExportOrderCount = 6;
const ExportField *ExportOrder(int order);

// How the text export dialog composes its text.
struct TextExportOptions {
    ExportFields fields;
    int order = 0;             // index into ExportOrder
    bool sideBySide = true;    // a table, one column per field
    bool useSeparators = true; // below each other: write the separators
    int blanksPerLevel = 2;
};

// Below each other: each entry's fields in the chosen order, one line per
// field line, indented by blanksPerLevel per level, the separator in front
// when useSeparators. Side by side: one column per enabled field, the title
// column indented; each column starts with its separator and is padded to
// its longest text where a later cell of the line follows; an entry takes as
// many lines as its tallest cell.
QStringList ComposeExportText(const ProjectTree &tree, const TextExportOptions &options);

// The same line by line, for a text too large to hold twice.
using ExportLineSink = std::function<void(const QString &line)>;
void ComposeExportText(const ProjectTree &tree, const TextExportOptions &options, const ExportLineSink &sink);
