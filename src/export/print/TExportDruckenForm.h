#pragma once

#include "common/settings/Settings.h"
#include "export/print/PrintTextLines.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TPagePrinter;

// "Exportieren - Drucken": preview and print the project text with fields,
// page format, margins, zoom, font, header and footer, frame, range, copies
// and redirection to a file.
class TExportDruckenForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 30510;

    TExportDruckenForm(PrintTextSource source, const Settings &settings, QWidget *parent = nullptr);

    TPagePrinter *pagePrinter() const { return m_printer; }

    void UpdatePageInfo();
    void RenderText();

    void ComboBox_Format_OnChange();
    void ComboBox_Zoom_OnChange();
    void MaskEdit_AktuelleSeite_OnChange();
    void Button_TextBearbeiten_OnClick();
    void Button_Schriftart_OnClick();
    void Button_KopfUndFusszeile_OnClick();
    void Button_Seitenrahmen_OnClick();
    void Button_DruckerEinrichten_OnClick();
    void Button_StartPrint_OnClick();
    void changeZoom(int percent);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildControls();
    QWidget *buildPageBar();
    QMenu *buildPreviewMenu();
    void connectMargin(QLineEdit *edit, const std::function<bool(int)> &setMargin);
    static void setIfDifferent(QLineEdit *edit, const QString &text);

    PrintTextSource m_source;
    Settings m_settings;
    TPagePrinter *m_printer = nullptr;
    QLineEdit *m_currentPage = nullptr;
    QLabel *m_pageCount = nullptr;
    QComboBox *m_zoom = nullptr;
    QComboBox *m_zoomLocation = nullptr;
    QCheckBox *m_autoScroll = nullptr;
    QCheckBox *m_wordWrap = nullptr;
    QComboBox *m_format = nullptr;
    QCheckBox *m_fieldTitle = nullptr;
    QCheckBox *m_fieldComment = nullptr;
    QCheckBox *m_fieldCommand = nullptr;
    QLineEdit *m_left = nullptr;
    QLineEdit *m_right = nullptr;
    QLineEdit *m_top = nullptr;
    QLineEdit *m_bottom = nullptr;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    QLineEdit *m_copies = nullptr;
    QCheckBox *m_collate = nullptr;
    QCheckBox *m_toFile = nullptr;
    QPushButton *m_startPrint = nullptr;
    bool m_rendered = false;
};
