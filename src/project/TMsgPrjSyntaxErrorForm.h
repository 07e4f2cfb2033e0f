#pragma once

#include <QDialog>

struct LoadReport;

// Lists the problems a project load found, with the counts of entries and
// lines read against those in the file.
class TMsgPrjSyntaxErrorForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 80080;

    explicit TMsgPrjSyntaxErrorForm(const LoadReport &report, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Button_Hilfe_OnClick();
};

// Shows the report modally; nothing when the load found no problem.
void ShowSyntaxReport(const LoadReport &report, QWidget *parent);
