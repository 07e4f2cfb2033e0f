#pragma once

#include "filemanager/ops/CopyQuestions.h"

#include <QDialog>
#include <QStringList>

class CopyEngine;
class FolderListBox;
class Gauge;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// "Kopieren" / "Verschieben": copies or moves the selected names of the file
// manager's folder into a target folder. Accepted when every object was
// processed.
class TCopyMoveForm : public QDialog, private MsgBoxCopyQuestions {
    Q_OBJECT

public:
    // copyMode: true copies, false moves.
    TCopyMoveForm(const QString &folder, const QStringList &names, bool copyMode, QWidget *parent = nullptr);
    ~TCopyMoveForm() override;

    int helpContext() const { return m_copyMode ? 50120 : 50130; }
    // True once a move has started: the file manager's list is out of date.
    bool listChanged() const { return m_listChanged; }

    // Closing while a run is going asks to abort instead.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    OverwriteAnswer askOverwrite(const FileFacts &existing, const FileFacts &source) override;

    void Edit_ZielDir_OnChange();
    void DirectoryListBox_OnChange(const QString &folder);
    void DriveComboBox_OnChange(int index);
    void Button_Starten_OnClick();
    bool prepareTarget(const QString &target);
    bool enoughSpace(const QString &target, qint64 bytesNeeded);
    void setDrive(const QString &root);
    void refreshDriveLabel();
    void showProgress();
    QString treeDrive() const;

    QString m_folder;
    QStringList m_names;
    bool m_copyMode;
    bool m_listChanged = false;
    CopyEngine *m_engine = nullptr;
    QString m_currentSource;
    QString m_currentTarget;
    bool m_labelsStale = false;
    int m_shownPercent = 0;

    QLineEdit *m_target = nullptr;
    FolderListBox *m_tree = nullptr;
    QComboBox *m_drives = nullptr;
    QLabel *m_driveLabel = nullptr;
    QCheckBox *m_askOverride = nullptr;
    QCheckBox *m_carryAttributes = nullptr;
    QPushButton *m_start = nullptr;
    QFrame *m_step2 = nullptr;
    QFrame *m_step3 = nullptr;
    QLabel *m_sourceFile = nullptr;
    QLabel *m_targetFile = nullptr;
    Gauge *m_gauge = nullptr;
};
