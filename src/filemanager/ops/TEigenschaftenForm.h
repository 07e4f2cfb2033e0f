#pragma once

#include "filemanager/ops/AttributeScan.h"

#include <QDialog>
#include <QStringList>

class Gauge;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

// "Eigenschaften": counts, sizes, dates and attributes of the selected names
// of the file manager's folder; OK applies the read-only box when it was
// changed.
class TEigenschaftenForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 50210;

    // listedType is the list's Type text of a single selected item.
    TEigenschaftenForm(const QString &folder, const QStringList &names, const QString &listedType = {},
                       QWidget *parent = nullptr);

    // Scans the selection and fills the controls; runs once when the dialog
    // is first shown.
    void fill();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showFigures(const AttributeScanResult &figures);
    void fillFileGroup(const QString &path);
    QString typeText() const;
    void Button_Ok_OnClick();

    QString m_folder;
    QStringList m_names;
    QString m_listedType;
    bool m_filled = false;
    AttributeScanResult m_scan;

    QLabel *m_count = nullptr;
    QLabel *m_dirsFiles = nullptr;
    QLabel *m_type = nullptr;
    QLabel *m_place = nullptr;
    QLabel *m_size = nullptr;
    Gauge *m_share = nullptr;
    QGroupBox *m_fileGroup = nullptr;
    QLabel *m_dosName = nullptr;
    QLabel *m_created = nullptr;
    QLabel *m_modified = nullptr;
    QLabel *m_accessed = nullptr;
    QCheckBox *m_readOnly = nullptr;
    QCheckBox *m_hidden = nullptr;
    QCheckBox *m_archive = nullptr;
    QCheckBox *m_system = nullptr;
    QPushButton *m_ok = nullptr;
};
