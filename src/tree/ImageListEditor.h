#pragma once

#include <QString>

#include <vector>

struct Project;
class ProjectTree;

// Edits a project's image list and its list of image files together, and
// remembers where each image went, so that the entries can be renumbered
// when editing ends.
class ImageListEditor {
public:
    enum class AddResult { Added, NotBitmap, LoadFailed };

    explicit ImageListEditor(Project &project);

    int count() const;
    static bool isExternal(int position);
    bool canMoveUp(int position) const;
    bool canMoveDown(int position) const;
    bool canRemove(int position) const;
    // The bitmap file of an external image; empty when none belongs to it.
    QString fileOf(int position) const;

    // Swap an external image with its external neighbour.
    void moveUp(int position);
    void moveDown(int position);
    // Appends the last tile of a *.bmp file (any letter case).
    AddResult add(const QString &fileName);
    // False when position names no external image.
    bool remove(int position);

    // Whether anything was added, removed or moved.
    bool changed() const { return m_changed; }

    // Points every entry's images at the positions their pictures have now
    // and starts tracking afresh; true when an entry changed.
    bool finish();

private:
    void swap(int a, int b);

    Project &m_project;
    // Per current position: the position the image had when editing began,
    // -1 for an added image.
    std::vector<int> m_originalAt;
    int m_originalCount = 0;
    bool m_changed = false;
};

// newPosition[i] is the position the image first at i holds now (-1:
// removed). Each of an entry's two numbers follows its own picture; numbers
// of removed or unknown images stay as they are. True when an entry changed.
bool RenumberEntryImages(ProjectTree &tree, const std::vector<int> &newPosition);
