#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

// "Text bearbeiten": the text to print, editable, opened maximised.
class TExportDruckenTextBearbeitenForm : public QDialog {
    Q_OBJECT

public:
    explicit TExportDruckenTextBearbeitenForm(QWidget *parent = nullptr);

    void setText(const QStringList &lines, const QFont &font, bool wordWrap);
    QStringList lines() const;

private:
    void showMemoMenu(const QPoint &at);

    QPlainTextEdit *m_memo = nullptr;
};

// "Kopf- und Fußzeile": the two texts and the legend of their codes.
class TExportDruckenKopfUndFusszeileForm : public QDialog {
    Q_OBJECT

public:
    explicit TExportDruckenKopfUndFusszeileForm(QWidget *parent = nullptr);

    QLineEdit *headerEdit() const { return m_header; }
    QLineEdit *footerEdit() const { return m_footer; }

private:
    QLineEdit *m_header = nullptr;
    QLineEdit *m_footer = nullptr;
};

// "Seitenrahmen": the framed sides and the gap to the text.
class TExportDruckenSeitenrahmenForm : public QDialog {
    Q_OBJECT

public:
    explicit TExportDruckenSeitenrahmenForm(QWidget *parent = nullptr);

    void setFrame(int sides, int distance);
    int sides() const;
    int distance() const;

private:
    QCheckBox *m_left = nullptr;
    QCheckBox *m_right = nullptr;
    QCheckBox *m_top = nullptr;
    QCheckBox *m_bottom = nullptr;
    QLineEdit *m_distance = nullptr;
};

// "Ausgabe in Datei umleiten": asks for the file to print to.
class TMsgPrintToFileForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 80490;
    explicit TMsgPrintToFileForm(QWidget *parent = nullptr);

    QString fileName() const;

private:
    QLineEdit *m_fileName = nullptr;
};
