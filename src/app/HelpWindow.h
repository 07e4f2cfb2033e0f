#pragma once

#include <QWidget>

class QTextBrowser;

// Shows the help file (HTML, one anchor per context number) at a topic. One
// window serves the whole run; it is created when help is first asked for.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // The context number of the contents page.
    static constexpr int kContents = 0;

    // Makes ShowHelp open this window on AppContext's help file, and F1
    // open the topic of the active window.
    static void install();
    // Opens the window at the topic; an unknown number shows the contents.
    static void showContext(int context);
    // The open window, if any.
    static HelpWindow *current();

    QTextBrowser *browser() const { return m_browser; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit HelpWindow(QWidget *parent);
    void open(const QString &fileName, int context);
    // Makes owner (a modal dialog, or none) the window's owner.
    void belongTo(QWidget *owner);

    QTextBrowser *m_browser = nullptr;
    QString m_fileName;
};
