#pragma once

#include "export/ExportText.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QStatusBar;
class QTabWidget;
struct Project;

// "Exportieren - Als Textdatei speichern": composes the project's text from
// the chosen options, shows it for editing and saves it as a text file.
class TExportTextdateiForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 30520;

    TExportTextdateiForm(const Project &project, const Settings &settings, QWidget *parent = nullptr);

    // The options as the settings page shows them.
    TextExportOptions options() const;
    // The file written by the last successful save; empty before.
    QString savedFileName() const { return m_savedFileName; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildSettingsPage();
    QWidget *buildTextPage();
    void addAreaRow(class QGridLayout *grid, int row, QCheckBox *check, QLineEdit *edit, QLabel *counter);
    void takeSettings();
    void activate();
    void fillTextPage();
    void fillText();
    void updateStatus();

    void PageControl_OnChange(int page);
    void Button_Speichern_OnClick();

    const Project &m_project;
    const Settings &m_settings;
    bool m_activated = false;
    int m_page = 0;
    QString m_savedFileName;

    QTabWidget *m_pages = nullptr;
    QCheckBox *m_titleCheck = nullptr;
    QCheckBox *m_commentCheck = nullptr;
    QCheckBox *m_commandCheck = nullptr;
    QLineEdit *m_titleSeparator = nullptr;
    QLineEdit *m_commentSeparator = nullptr;
    QLineEdit *m_commandSeparator = nullptr;
    QComboBox *m_order = nullptr;
    QRadioButton *m_sideBySide = nullptr;
    QRadioButton *m_belowEachOther = nullptr;
    QCheckBox *m_useSeparators = nullptr;
    QSpinBox *m_blanks = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QStatusBar *m_status = nullptr;
};

// Opens the text export dialog modally, owned by owner.
void ShowTextExport(QWidget *owner, const Project &project, const Settings &settings);
