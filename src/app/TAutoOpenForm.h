#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class SortGrid;
struct ProjectFileRow;

// "Projektdatei Auto-Öffnen": searches the root folder of every drive for
// project files, lists them and hands the chosen one back.
class TAutoOpenForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 40100;

    explicit TAutoOpenForm(const QStringList &drives, QWidget *parent = nullptr);

    // Searches the drives; runs once, started when the window is first shown.
    void runSearch();
    bool searchFinished() const { return m_finished; }

    // The chosen project file; empty unless accepted.
    QString chosenFile() const { return m_chosenFile; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void widenToColumns();
    void rowFound(const ProjectFileRow &row);
    void searchEnded(int found);
    void updateButtons();
    void SortGrid_OnSelect();
    void DriveComboBox_OnChange(int index);
    void Button_Oeffnen_OnClick();
    void Button_Durchsuchen_OnClick();

    QStringList m_drives;
    bool m_started = false;
    bool m_finished = false;
    bool m_cancelled = false;
    QString m_chosenFile;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    SortGrid *m_grid = nullptr;
    QComboBox *m_driveBox = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_help = nullptr;
};

// Shows the auto-open window over the given drives; the chosen project file,
// empty when the user cancelled.
QString ChooseProjectFileOnDrives(const QStringList &drives, QWidget *parent);
