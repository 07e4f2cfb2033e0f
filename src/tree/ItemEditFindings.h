#pragma once

#include <QString>

#include <utility>

// What the entry edit dialog finds doubtful before it stores an entry; each
// finding is empty or one text.
struct ItemEditFindings {
    QString title;
    QString image;
    QString comment;
    QString command;

    bool any() const;
    // The report of all four, "...Angabe korrekt..." standing for an empty one.
    QString report() const;
};

QString TitleFinding(const QString &title);
// Only when images are used: a position outside the image list.
QString ImageFinding(bool useImages, int normal, int selected, int imageCount);
// shortenCode is ShortenCommandLine's result for the line; file is the full
// path of the file it names (code 2), read for the macro header.
QString CommandFinding(int shortenCode, int action, const QString &file);

// Asks whether to store the entry in spite of the findings; true on "Ja".
bool AskApplyDespiteFindings(const ItemEditFindings &findings);

// Image pair to store for the chosen positions: a position below 4 asks for
// the automatic pair, 0/1 with sub-entries, else 2/3.
std::pair<int, int> ImagesToStore(int normal, int selected, bool hasChildren);

// The image buttons: the other image of a pair, keeping the automatic kind.
int NormalImageFor(int selectedPosition);
int SelectedImageFor(int normalPosition);
