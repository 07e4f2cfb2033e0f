#pragma once

#include "tree/scan/CatalogueModel.h"
#include "tree/scan/CatalogueScanner.h"

#include <QDialog>

class Gauge;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

// "Ordner einlesen": scans a folder with progress and Cancel, then shows
// what it proposes as a tree grid in which the user checks the entries to
// add. Nothing changes until the caller takes the checked proposals.
class TOrdnerEinlesenForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 30600;

    TOrdnerEinlesenForm(QString folder, CatalogueOptions options, QWidget *parent = nullptr);

    // Scans the folder; runs once, started when the window is first shown.
    void runScan();
    bool scanFinished() const { return m_finished; }

    // The proposals with the user's checks.
    const CatalogueScan &scan() const { return m_scan; }
    CatalogueModel *model() const { return m_model; }

    // During the scan Cancel stops it.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setStatus(const QString &text);
    void scanEnded();
    void showSkipped();
    void updateCount();
    void ButtonTypMarkieren_OnClick(bool checked);

    QString m_folder;
    CatalogueOptions m_options;
    CatalogueScan m_scan;
    bool m_started = false;
    bool m_finished = false;
    bool m_cancelled = false;
    CatalogueModel *m_model = nullptr;
    QLabel *m_hint = nullptr;
    QLabel *m_status = nullptr;
    Gauge *m_gauge = nullptr;
    QTreeView *m_tree = nullptr;
    QComboBox *m_types = nullptr;
    QLabel *m_duplicates = nullptr;
    QLabel *m_skippedLabel = nullptr;
    QPlainTextEdit *m_skipped = nullptr;
    QPushButton *m_ok = nullptr;
    QList<QPushButton *> m_choiceButtons;
};
