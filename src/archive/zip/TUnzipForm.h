#pragma once

#include "archive/ArchiveDialogParts.h"
#include "archive/zip/TZipMaster.h"
#include "archive/zip/UnzipProgress.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class SortGrid;
class EventPump;

// Lists a ZIP archive and tests or extracts all or the selected entries.
class TUnzipForm : public QDialog {
    Q_OBJECT

public:
    explicit TUnzipForm(QWidget *owner, const QString &archiveName);
    ~TUnzipForm() override;

    static constexpr int HelpContext = 50910;

    TZipMaster &zipMaster() { return m_zip; }
    // Reads the archive into the grid; runs once when the dialog first shows.
    void FormActivate();

    void Button_Entpacken_OnClick();
    void Button_Testen_OnClick();
    void Button_ZielDir_OnClick();
    void Button_Ok_OnClick();
    void Button_CancelOperation_OnClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void fillGrid();
    void updateSelectionStatus();
    void whichEntries_OnChange();
    // The names to hand over; empty when nothing is selected.
    QStringList chosenEntries() const;
    void run(bool test);
    void ZipMaster_OnProgress(int type, const QString &fileName, qint32 fileSize);
    void ZipMaster_OnMessage(int errorCode, const QString &message);
    QString ZipMaster_OnPassword(const QString &fileName);
    void showProgress();
    void endWork();
    void showListing();

    TZipMaster m_zip;
    UnzipProgressBar m_bar;
    QString m_currentFile;
    EventPump *m_pump;
    ExtractionLog m_log;
    bool m_activated = false;
    bool m_working = false;

    QLabel *m_zipFile;
    QLabel *m_top1;
    QLabel *m_top2;
    SortGrid *m_grid;
    QWidget *m_listing;
    QRadioButton *m_all;
    QRadioButton *m_marked;
    QCheckBox *m_subdirs;
    QCheckBox *m_overwrite;
    QLineEdit *m_targetDir;
    QPushButton *m_extract;
    QPushButton *m_test;
    QWidget *m_panelDone;
    QLabel *m_fileName;
    QProgressBar *m_progress;
    QPushButton *m_cancelOperation;
    QWidget *m_panelOk;
    QLabel *m_result;
    QStatusBar *m_status;
    QLabel *m_panel0;
    QLabel *m_panel1;
};

// Opens the dialog for archiveName modally.
void ShowUnzipDialog(QWidget *owner, const QString &archiveName);
