#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QTabWidget;
struct Project;
class ProjectEntry;

// What the statistics dialog reads: the project, the selected entry and
// the main window's comment and command fields.
struct StatisticsInput {
    const Project *project = nullptr;
    const ProjectEntry *current = nullptr;
    QString projectFile;
    QString projectName;
    QStringList commentField;
    QString commandField;
};

// "Projektstatistik": figures of the project file, the selected entry and
// all entries.
class TStatistikForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 40420;

    explicit TStatistikForm(StatisticsInput input, QWidget *parent = nullptr);

    QLabel *value(const char *name) const;
    QStringList allEntriesLines() const;

    void RichEdit_Ausdrucken_OnClick();
    void RichEdit_Speichern_OnClick();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *buildProjectFilePage();
    QWidget *buildCurrentEntryPage();
    QWidget *buildAllEntriesPage();
    QWidget *page(QStackedWidget **stack, const char *panelName, QWidget *values);
    QLabel *addValue(class QGridLayout *grid, int row, int column, const QString &caption, const char *name);
    void showPanel(QStackedWidget *stack, const QString &text, bool red);
    void computeOnce();
    void compute();
    void fillProjectFile();
    void fillCurrentEntry();
    void fillAllEntries();

    StatisticsInput m_input;
    QTabWidget *m_tabs = nullptr;
    QLabel *m_title = nullptr;
    QStackedWidget *m_fileStack = nullptr;
    QStackedWidget *m_entryStack = nullptr;
    QStackedWidget *m_allStack = nullptr;
    QPlainTextEdit *m_richEdit = nullptr;
    bool m_computed = false;
};
