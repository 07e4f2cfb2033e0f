#pragma once

#include <QListWidget>

// The files of one folder that match a mask ("*.txt;*.doc"; any case), with
// their icons; hidden files included.
class FileListBox : public QListWidget {
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString folder() const { return m_folder; }
    void setFolder(const QString &path);
    void setMask(const QString &mask);

    // Full path of the selected file; empty when none is.
    QString selectedFile() const;
    // Selects the file at path if the list shows it, else clears the
    // selection.
    void selectFile(const QString &path);

protected:
    // Enter chooses the item and goes no further (not to a default button).
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill();

    QString m_folder;
    QStringList m_nameFilters{QStringLiteral("*")};
};
