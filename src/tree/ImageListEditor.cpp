#include "tree/ImageListEditor.h"

#include "project/Project.h"

#include <QFileInfo>

#include <numeric>

namespace {

constexpr int kFirstExternal = ImageList::kBuiltinCount;

bool followPicture(int &number, const std::vector<int> &newPosition)
{
    if (number < 0 || number >= static_cast<int>(newPosition.size()))
        return false;
    const int moved = newPosition[static_cast<size_t>(number)];
    if (moved < 0 || moved == number)
        return false;
    number = moved;
    return true;
}

} // namespace

ImageListEditor::ImageListEditor(Project &project)
    : m_project(project)
    , m_originalAt(static_cast<size_t>(project.images.count()))
    , m_originalCount(project.images.count())
{
    std::iota(m_originalAt.begin(), m_originalAt.end(), 0);
}

int ImageListEditor::count() const
{
    return m_project.images.count();
}

bool ImageListEditor::isExternal(int position)
{
    return position >= kFirstExternal;
}

bool ImageListEditor::canMoveUp(int position) const
{
    return position > kFirstExternal && position < count();
}

bool ImageListEditor::canMoveDown(int position) const
{
    return isExternal(position) && position < count() - 1;
}

bool ImageListEditor::canRemove(int position) const
{
    return isExternal(position) && position < count();
}

QString ImageListEditor::fileOf(int position) const
{
    const int file = position - kFirstExternal;
    if (file < 0 || file >= m_project.imageFiles.size())
        return {};
    return m_project.imageFiles.at(file);
}

void ImageListEditor::moveUp(int position)
{
    if (canMoveUp(position))
        swap(position - 1, position);
}

void ImageListEditor::moveDown(int position)
{
    if (canMoveDown(position))
        swap(position, position + 1);
}

void ImageListEditor::swap(int a, int b)
{
    m_project.images.move(b, a);
    const int fileA = a - kFirstExternal;
    const int fileB = b - kFirstExternal;
    if (fileB < m_project.imageFiles.size())
        m_project.imageFiles.swapItemsAt(fileA, fileB);
    std::swap(m_originalAt[static_cast<size_t>(a)], m_originalAt[static_cast<size_t>(b)]);
    m_changed = true;
}

ImageListEditor::AddResult ImageListEditor::add(const QString &fileName)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) != 0)
        return AddResult::NotBitmap;
    if (!m_project.images.addBitmapFile(fileName))
        return AddResult::LoadFailed;
    // Keeps name k beside image 20 + k even when names were missing.
    while (m_project.imageFiles.size() < count() - kFirstExternal - 1)
        m_project.imageFiles.append(QString());
    m_project.imageFiles.append(fileName);
    m_originalAt.push_back(-1);
    m_changed = true;
    return AddResult::Added;
}

bool ImageListEditor::remove(int position)
{
    if (!canRemove(position))
        return false;
    m_project.images.removeAt(position);
    const int file = position - kFirstExternal;
    if (file < m_project.imageFiles.size())
        m_project.imageFiles.removeAt(file);
    m_originalAt.erase(m_originalAt.begin() + position);
    m_changed = true;
    return true;
}

bool ImageListEditor::finish()
{
    std::vector<int> newPosition(static_cast<size_t>(m_originalCount), -1);
    for (size_t position = 0; position < m_originalAt.size(); ++position) {
        if (m_originalAt[position] >= 0)
            newPosition[static_cast<size_t>(m_originalAt[position])] = static_cast<int>(position);
    }
    // From here on the images are where they are.
    m_originalAt.resize(static_cast<size_t>(count()));
    std::iota(m_originalAt.begin(), m_originalAt.end(), 0);
    m_originalCount = count();
    return RenumberEntryImages(m_project.tree, newPosition);
}

bool RenumberEntryImages(ProjectTree &tree, const std::vector<int> &newPosition)
{
    bool changed = false;
    for (ProjectEntry *entry : tree.preOrder()) {
        changed |= followPicture(entry->imageIndex, newPosition);
        changed |= followPicture(entry->selectedImageIndex, newPosition);
    }
    return changed;
}
