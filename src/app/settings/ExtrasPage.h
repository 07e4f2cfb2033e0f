#pragma once

#include "app/settings/SettingsPage.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;

// "Extras": backup copies, the export field areas, the user-defined page
// format and the file manager's window.
class ExtrasPage : public SettingsPage {
    Q_OBJECT

public:
    explicit ExtrasPage(QWidget *parent = nullptr);

    void load(const Settings &settings) override;
    bool store(Settings &settings) const override;

private:
    struct Area {
        QCheckBox *check = nullptr;
        QLineEdit *separator = nullptr;
    };

    QWidget *buildBackupGroup();
    QWidget *buildExportGroup();
    QWidget *buildPageGroup();
    QWidget *buildFileManagerGroup();
    Area addArea(QGridLayout *grid, int row, const QString &caption, const char *checkName, const char *editName,
                 const char *counterName);

    QCheckBox *m_backups = nullptr;
    QLineEdit *m_backupExtension = nullptr;
    Area m_areas[3];
    QLineEdit *m_pageWidth = nullptr;
    QLineEdit *m_pageHeight = nullptr;
    QComboBox *m_fileManagerState = nullptr;
    QComboBox *m_fileManagerView = nullptr;
};
