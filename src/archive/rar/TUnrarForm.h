#pragma once

#include "archive/ArchiveDialogParts.h"
#include "archive/rar/TRAR.h"
#include "common/OperationObserver.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;
class SortGrid;

// Lists a RAR archive and tests or extracts it. The caller puts the archive
// path into Label_RarFile before showing it.
class TUnrarForm : public QDialog {
    Q_OBJECT

public:
    explicit TUnrarForm(QWidget *parent = nullptr);

    void setArchiveName(const QString &archiveName);
    // Lists the archive named by Label_RarFile; runs once when first shown.
    void FormActivate();

    TRAR &rar() { return m_rar; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void installEvents();
    void Button_ZielDirClick();
    void Button_EntpackenClick();
    void Button_TestenClick();
    void Button_CancelOperationClick();
    void Button_ReadyClick();
    void showStep2(const QString &caption);
    void walkEnded();
    void showListing();
    void addListRow(const RarEntry &entry);
    void startEntry(const RarEntry &entry);
    void endEntry(bool ok);
    void setBarMaximum(qint64 size);
    void setBarPosition(qint64 position);
    void showProgress();
    bool ensureTargetFolder(const QString &folder);

    TRAR m_rar;
    EventPump m_pump;
    ExtractionLog m_log;
    bool m_activated = false;
    qint64 m_barScale = 1;
    int m_barMaximum = 100;
    int m_barValue = 0;
    QString m_refusal;

    QLabel *Label_RarFile = nullptr;
    QFrame *SlidePanel = nullptr;
    QTextEdit *Kommentar = nullptr;
    SortGrid *Grid = nullptr;
    QWidget *m_listing = nullptr;
    QLineEdit *Edit_ZielDir = nullptr;
    QPushButton *Button_ZielDir = nullptr;
    QPushButton *Button_Entpacken = nullptr;
    QPushButton *Button_Testen = nullptr;
    QPushButton *Button_Abbrechen = nullptr;
    QPushButton *Button_Hilfe = nullptr;
    QFrame *Panel_Step2 = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QPushButton *Button_CancelOperation = nullptr;
    QFrame *Panel_Step3 = nullptr;
    QLabel *Label_Ergebnis = nullptr;
    QPushButton *Button_Ready = nullptr;
};
