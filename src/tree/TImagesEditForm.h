#pragma once

#include "tree/ImageListEditor.h"

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// "Imageliste bearbeiten": views every image of the project's list, adds
// and removes external images and changes their order. Changes reach the
// project at once; on closing the entries are renumbered so that each keeps
// its picture.
class TImagesEditForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 30200;

    // onChange runs after every change while the dialog is open, and once
    // more when closing renumbers the entries.
    TImagesEditForm(Project &project, std::function<void()> onChange, QWidget *parent = nullptr);

    // Whether the images or the entries' image numbers changed.
    bool changed() const { return m_changed; }

    // Renumbers the entries once, however the dialog ends.
    void finishEditing();
    void done(int result) override;

private:
    QListWidgetItem *lineFor(int position) const;
    void appendLine(int position);
    void refreshIcons(int from);
    void select(int position);
    void imagesChanged();
    void ImageListBox_OnChange();
    void ButtonOben_OnClick();
    void ButtonUnten_OnClick();
    void ButtonHinzufuegen_OnClick();
    void ButtonEntfernen_OnClick();

    Project &m_project;
    ImageListEditor m_editor;
    std::function<void()> m_onChange;
    bool m_changed = false;
    bool m_finished = false;
    QListWidget *m_list = nullptr;
    QLabel *m_preview = nullptr;
    QLabel *m_fileLabel = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
};

// Shows the image list editor for project; true when something changed.
bool EditImageList(Project &project, QWidget *parent, std::function<void()> onChange = {});
