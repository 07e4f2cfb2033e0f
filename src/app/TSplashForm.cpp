#include "app/TSplashForm.h"

#include "app/VersionTexts.h"
#include "common/OperationObserver.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

TSplashForm::TSplashForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TSplashForm"));
    setFixedSize(360, 200);

    auto *name = new QLabel(VersionTexts::programName, this);
    name->setObjectName(QStringLiteral("Label_Name"));
    QFont nameFont = name->font();
    nameFont.setPointSize(nameFont.pointSize() * 3);
    nameFont.setBold(true);
    name->setFont(nameFont);

    auto *version = new QLabel(VersionTexts::version, this);
    version->setObjectName(QStringLiteral("Label_Version"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Label_Status"));

    for (QLabel *label : {name, version, m_status}) {
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: white;"));
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addStretch(1);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addStretch(1);
    layout->addWidget(m_status);
    qApp->installEventFilter(this);
}

TSplashForm::~TSplashForm()
{
    qApp->removeEventFilter(this);
}

void TSplashForm::showCentred()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    repaint();
    RunPendingEventsExceptUserInput();
}

void TSplashForm::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->repaint();
}

QString TSplashForm::status() const
{
    return m_status->text();
}

bool TSplashForm::eventFilter(QObject *watched, QEvent *event)
{
    const auto *dialog = qobject_cast<QDialog *>(watched);
    if (dialog && dialog->isModal() && !event->spontaneous()) {
        if (event->type() == QEvent::Show && m_modalDialogs++ == 0)
            setVisible(false);
        else if (event->type() == QEvent::Hide && m_modalDialogs > 0 && --m_modalDialogs == 0)
            setVisible(true);
    }
    return QWidget::eventFilter(watched, event);
}

void TSplashForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0, 128, 128));
    gradient.setColorAt(1, QColor(0, 40, 60));
    painter.fillRect(rect(), gradient);
    painter.setPen(QColor(180, 230, 230));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
