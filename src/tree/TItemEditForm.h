#pragma once

#include <QDialog>
#include <QSize>

class FileListBox;
class FolderListBox;
class ItemEditHost;
class ProjectEntry;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The entry edit dialog: title, images, comment, action and command line of
// the selected entry at once. The command line can be picked from a folder
// and a file list. "Übernehmen" reports what looks doubtful, then stores the
// values, the command line in its drive-independent form. One instance
// serves the whole run.
class TItemEditForm : public QDialog {
    Q_OBJECT

public:
    explicit TItemEditForm(QWidget *parent = nullptr);

    // Edits host's selected entry modally; Accepted once "Übernehmen" has
    // stored the values, else Rejected.
    int edit(ItemEditHost &host);

    // The comment group filling the maximised dialog.
    bool commentEnlarged() const { return m_commentEnlarged; }
    void setCommentEnlarged(bool on);

private:
    // Layout (TItemEditForm.cpp)
    QGroupBox *createTitleGroup();
    QGroupBox *createImageGroup();
    QGroupBox *createCommandGroup();
    QGroupBox *createCommentGroup();
    QWidget *createButtonRow();
    QPushButton *addActionButton(QWidget *parent, const QString &objectName, const QString &caption, int action);

    // Images and comment (TItemEditForm.cpp)
    void rebuildImageItems(int imageCount);
    void ImageButtonLeft_OnClick();
    void ImageButtonRight_OnClick();
    void ImageButtonBearbeiten_OnClick();
    void KommentarButtonOeffnen_OnClick();

    // Command line, lists and title in step (TItemEditFormSync.cpp)
    void connectSynchronisation();
    void followCommandLine(const QString &text);
    void showFolder(const QString &folder);
    void BefehlDirectoryListBox_OnChange(const QString &folder);
    void BefehlFileListBox_OnChange();
    void BefehlFileListBox_OnClick();
    void TitelEdit_OnChange(const QString &text);
    bool titleGivenByUser() const;

    // Filling and storing (TItemEditFormApply.cpp)
    void load();
    void loadCommandLine();
    void Button_Uebernehmen_OnClick();
    void store(const QString &commandLine);
    int pressedAction() const;

    ItemEditHost *m_host = nullptr;
    ProjectEntry *m_entry = nullptr;
    bool m_commentEnlarged = false;
    // Set while the lists are moved by the program, so that they do not echo.
    bool m_synchronising = false;

    QWidget *m_normalArea = nullptr;
    QWidget *m_buttonRow = nullptr;
    QPushButton *m_help = nullptr;
    QLineEdit *m_title = nullptr;
    QComboBox *m_normalImage = nullptr;
    QComboBox *m_selectedImage = nullptr;
    QCheckBox *m_useImages = nullptr;
    QButtonGroup *m_actions = nullptr;
    QLineEdit *m_command = nullptr;
    FolderListBox *m_folders = nullptr;
    QSize m_normalSize;
    FileListBox *m_files = nullptr;
    QComboBox *m_filter = nullptr;
    QGroupBox *m_commentGroup = nullptr;
    QPlainTextEdit *m_comment = nullptr;
    QPushButton *m_commentWindowButton = nullptr;
};
