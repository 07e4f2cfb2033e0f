#pragma once

#include <QDialog>

class QLabel;

// Shown while a job prints: the progress message, "Seite n von m", the copy
// with several copies, and Cancel.
class TPrintProgressForm : public QDialog {
    Q_OBJECT

public:
    TPrintProgressForm(const QString &message, QWidget *parent = nullptr);

    void showPage(int page, int pageTotal, int copy, int copies);
    bool cancelled() const { return m_cancelled; }

private:
    QLabel *m_page = nullptr;
    QLabel *m_copy = nullptr;
    bool m_cancelled = false;
};
