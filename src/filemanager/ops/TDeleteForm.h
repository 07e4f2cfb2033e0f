#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QRadioButton;

// "Löschen": moves the selected names of the file manager's folder to the
// trash or deletes them for good. Accepted when the run went through; the
// file manager then reads its folder again.
class TDeleteForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 50220;

    TDeleteForm(const QString &folder, const QStringList &names, QWidget *parent = nullptr);

private:
    void Button_Loeschen_OnClick();

    QString m_folder;
    QStringList m_names;
    QRadioButton *m_trash = nullptr;
    QLabel *m_done = nullptr;
};
