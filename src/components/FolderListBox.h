#pragma once

#include <QListWidget>

// A folder list: the open folder's ancestors from the root down, the open
// folder itself, then its sub-folders, each indented by its depth. Activating
// an item (double click, Enter) opens that folder.
class FolderListBox : public QListWidget {
    Q_OBJECT

public:
    explicit FolderListBox(QWidget *parent = nullptr);

    QString folder() const { return m_folder; }
    // Opens path without telling anyone.
    void setFolder(const QString &path);

signals:
    // The user opened path.
    void folderChosen(const QString &path);

protected:
    // Enter chooses the item and goes no further (not to a default button).
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addItem(const QString &path, const QString &text, int depth);

    QString m_folder;
};
