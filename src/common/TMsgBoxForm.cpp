#include "common/TMsgBoxForm.h"

#include "common/AppContext.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "common/MsgBoxLayout.h"
#include "common/Sound.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int kIconPixels = 32;
constexpr int kUnlimited = 1 << 20;

struct ButtonSpec {
    const char *objectName;
    const char *caption;
    int flag;
    QStyle::StandardPixmap picture;
    QStyle::StandardPixmap fallback; // for styles without the picture
};

// The row order of the buttons.
constexpr ButtonSpec kButtonSpecs[] = {
    {"Button_Ok", "&OK", MsgBox::Ok, QStyle::SP_DialogOkButton, QStyle::SP_DialogApplyButton},
    {"Button_Ja", "&Ja", MsgBox::Yes, QStyle::SP_DialogYesButton, QStyle::SP_DialogApplyButton},
    {"Button_Nein", "&Nein", MsgBox::No, QStyle::SP_DialogNoButton, QStyle::SP_DialogCloseButton},
    {"Button_Wiederholen", "&Wiederholen", MsgBox::Retry, QStyle::SP_DialogRetryButton, QStyle::SP_BrowserReload},
    {"Button_Ignorieren", "&Ignorieren", MsgBox::Ignore, QStyle::SP_DialogIgnoreButton, QStyle::SP_MediaSkipForward},
    {"Button_Alle", "A&lle", MsgBox::All, QStyle::SP_DialogYesToAllButton, QStyle::SP_MediaSeekForward},
    {"Button_Abbrechen", "&Abbrechen", MsgBox::Cancel, QStyle::SP_DialogCancelButton, QStyle::SP_BrowserStop},
    {"Button_Hilfe", "&Hilfe", MsgBox::Help, QStyle::SP_DialogHelpButton, QStyle::SP_MessageBoxQuestion},
};

constexpr QStyle::StandardPixmap kIconPictures[] = {
    QStyle::SP_MessageBoxInformation,
    QStyle::SP_MessageBoxQuestion,
    QStyle::SP_MessageBoxWarning,
    QStyle::SP_MessageBoxCritical,
};

// Message texts break lines with CR characters.
QString displayText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

TMsgBoxForm::TMsgBoxForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TMsgBoxForm"));

    m_iconFrame = new QFrame(this);
    m_iconFrame->setObjectName(QStringLiteral("IconPanel"));
    m_iconFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_iconFrame->setGeometry(MsgBoxLayout::kIconFrameLeft, MsgBoxLayout::kIconFrameTop, MsgBoxLayout::kIconFrameSize,
                             MsgBoxLayout::kIconFrameSize);
    for (QStyle::StandardPixmap picture : kIconPictures) {
        auto *image = new QLabel(m_iconFrame);
        image->setObjectName(QStringLiteral("Image%1").arg(m_images.size() + 1));
        image->setPixmap(style()->standardIcon(picture, nullptr, this).pixmap(kIconPixels));
        image->setAlignment(Qt::AlignCenter);
        image->setGeometry(m_iconFrame->contentsRect());
        m_images.append(image);
    }

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("TextLabel"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    createButtons();
}

void TMsgBoxForm::createButtons()
{
    for (const ButtonSpec &kind : kButtonSpecs) {
        auto *button = new QPushButton(QString::fromUtf8(kind.caption), this);
        button->setObjectName(QString::fromLatin1(kind.objectName));
        QIcon picture = style()->standardIcon(kind.picture, nullptr, button);
        if (picture.isNull())
            picture = style()->standardIcon(kind.fallback, nullptr, button);
        button->setIcon(picture);
        m_buttons.append({button, kind.flag});
        if (kind.flag == MsgBox::Help) {
            connect(button, &QPushButton::clicked, this, &TMsgBoxForm::Button_Hilfe_OnClick);
            continue;
        }
        const int result = MsgBox::resultOfButton(kind.flag);
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    }
}

void TMsgBoxForm::prepare(const MsgBox::Request &request)
{
    setWindowTitle(request.caption);
    const QString text = displayText(request.text);
    m_text->setText(text);

    const ButtonRow row = showButtons(request.buttons);
    const MsgBoxGeometry geometry = measure(request.caption, text, row);
    setFixedSize(geometry.dialogSize);
    m_text->setWordWrap(geometry.wrapped);
    m_text->setGeometry(MsgBoxLayout::kTextLeft, MsgBoxLayout::kTextTop, geometry.textWidth, geometry.textHeight);
    placeButtons(geometry);

    showIcon(request.icon);
    m_helpContext = request.helpContext;
    SetHelpContext(this, request.helpContext);
    centreOnScreen();
}

TMsgBoxForm::ButtonRow TMsgBoxForm::showButtons(int flags)
{
    ButtonRow row;
    QPushButton *first = nullptr;
    for (const ButtonSlot &slot : m_buttons) {
        const bool shown = flags & slot.flag;
        slot.button->setVisible(shown);
        slot.button->setDefault(false);
        if (slot.flag == MsgBox::Help)
            slot.button->setEnabled(AppContext::hasHelpFile());
        if (!shown)
            continue;
        ++row.count;
        row.widest = qMax(row.widest, slot.button->sizeHint().width());
        if (!first)
            first = slot.button;
    }
    if (first) {
        first->setDefault(true);
        first->setFocus();
    }
    return row;
}

int TMsgBoxForm::execute(const MsgBox::Request &request)
{
    prepare(request);
    PlaySound(request.sound);
    return RunModal(this);
}

void TMsgBoxForm::reject()
{
    done(MsgBox::ResultCancel);
}

void TMsgBoxForm::showIcon(int kind)
{
    for (int i = 0; i < m_images.size(); ++i)
        m_images.at(i)->setVisible(kind == i + 1);
    m_iconFrame->setVisible(kind >= 1 && kind <= m_images.size());
}

MsgBoxGeometry TMsgBoxForm::measure(const QString &caption, const QString &text, const ButtonRow &row) const
{
    const QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    const QFontMetrics textMetrics = m_text->fontMetrics();
    MsgBoxMetrics metrics;
    metrics.screenWidth = display->availableGeometry().width();
    const QRect line = textMetrics.boundingRect(QRect(0, 0, kUnlimited, kUnlimited), 0, text);
    metrics.messageWidth = line.width();
    metrics.messageHeight = line.height();
    const QRect wrapped = textMetrics.boundingRect(
        QRect(0, 0, MsgBoxLayout::wrapWidth(metrics.screenWidth), kUnlimited), Qt::TextWordWrap, text);
    metrics.wrappedHeight = wrapped.height();
    // Title bars commonly use a bold face.
    QFont titleFont = font();
    titleFont.setBold(true);
    metrics.captionWidth = QFontMetrics(titleFont).horizontalAdvance(caption);
    metrics.buttonCount = row.count;
    metrics.buttonMinWidth = row.widest;
    return MsgBoxLayout::compute(metrics);
}

void TMsgBoxForm::placeButtons(const MsgBoxGeometry &geometry)
{
    int index = 0;
    for (const ButtonSlot &slot : m_buttons) {
        if (slot.button->isHidden())
            continue;
        slot.button->setGeometry(geometry.buttonLefts.at(index++), geometry.buttonTop, geometry.buttonWidth,
                                 MsgBoxLayout::kButtonHeight);
    }
}

void TMsgBoxForm::centreOnScreen()
{
    const QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    QRect frame(QPoint(), size());
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
}

void TMsgBoxForm::Button_Hilfe_OnClick()
{
    ShowHelp(m_helpContext);
}
