#include "app/HelpWindow.h"

#include "common/AppContext.h"
#include "common/Help.h"
#include "platform/TextFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QPointer<HelpWindow> g_window;

QPushButton *addButton(QHBoxLayout *row, QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    row->addWidget(button);
    return button;
}

// The help context of window or, where it has none, of the window it was
// opened from; the contents at the end.
int contextFor(QWidget *window)
{
    for (QWidget *w = window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (HelpContextOf(w) > 0)
            return HelpContextOf(w);
    }
    return HelpWindow::kContents;
}

// A help button of window that opens the topic itself, where the window
// carries no context of its own.
QAbstractButton *helpButton(QWidget *window)
{
    if (HelpContextOf(window) >= 0)
        return nullptr;
    auto *button = window->findChild<QAbstractButton *>(QStringLiteral("Button_Hilfe"));
    return button && button->isVisible() && button->isEnabled() ? button : nullptr;
}

// F1 anywhere: the topic of the active dialog, message box or window. A
// window's own F1 shortcut (the editor's) takes the key before this sees it.
class HelpKey : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        QWidget *window = QApplication::activeModalWidget();
        if (!window)
            window = static_cast<QWidget *>(watched)->window();
        if (qobject_cast<HelpWindow *>(window))
            return false;
        if (QAbstractButton *button = helpButton(window))
            button->click();
        else
            ShowHelp(contextFor(window));
        return true;
    }
};

bool hasAnchor(const QString &fileName, int context)
{
    QString html;
    if (!TextFile::readText(fileName, html))
        return false;
    const QRegularExpression anchor(QStringLiteral("\\b(name|id)\\s*=\\s*[\"']?%1[\"'\\s>]").arg(context),
                                    QRegularExpression::CaseInsensitiveOption);
    return html.contains(anchor);
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Brekko - Hilfe"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(640, 520);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(false);

    auto *buttons = new QHBoxLayout;
    auto *contents = addButton(buttons, this, "Button_Inhalt", QStringLiteral("&Inhalt"));
    auto *back = addButton(buttons, this, "Button_Zurueck", QStringLiteral("&Zurück"));
    auto *forward = addButton(buttons, this, "Button_Vorwaerts", QStringLiteral("&Vorwärts"));
    buttons->addStretch();
    auto *close = addButton(buttons, this, "Button_Schliessen", QStringLiteral("&Schließen"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { open(m_fileName, kContents); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

void HelpWindow::install()
{
    Help::setHandler([](int context) { showContext(context); });
    static QPointer<HelpKey> key;
    if (!key) {
        key = new HelpKey(qApp);
        qApp->installEventFilter(key);
    }
}

HelpWindow *HelpWindow::current()
{
    return g_window;
}

void HelpWindow::showContext(int context)
{
    const QString fileName = AppContext::helpFileName();
    if (fileName.isEmpty())
        return;
    // A window opened from a modal dialog must belong to it to take input.
    QWidget *owner = QApplication::activeModalWidget();
    if (!g_window)
        g_window = new HelpWindow(nullptr);
    g_window->belongTo(owner);
    g_window->open(fileName, context);
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
}

void HelpWindow::belongTo(QWidget *owner)
{
    if (parentWidget() == owner)
        return;
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
    const QRect place = geometry();
    const bool shown = isVisible();
    setParent(owner, Qt::Window);
    setGeometry(place);
    if (owner)
        owner->installEventFilter(this);
    if (shown) {
        show();
        raise();
    }
}

// When the dialog it belongs to closes, the window passes to the window
// below and stays in front.
bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Hide) {
        QWidget *below = parentWidget()->parentWidget();
        belongTo(below ? below->window() : nullptr);
        activateWindow();
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::open(const QString &fileName, int context)
{
    m_fileName = fileName;
    QUrl url = QUrl::fromLocalFile(fileName);
    const bool atTopic = context != kContents && hasAnchor(fileName, context);
    if (atTopic)
        url.setFragment(QString::number(context));
    m_browser->setSource(url);
    if (atTopic)
        m_browser->scrollToAnchor(url.fragment());
    else
        m_browser->verticalScrollBar()->setValue(0);
}
