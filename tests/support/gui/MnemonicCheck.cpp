#include "MnemonicCheck.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

namespace {

QChar mnemonicOf(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        ++i;
    }
    return {};
}

QString shortcutText(QWidget *widget)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->buddy() ? label->text() : QString();
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        return group->isCheckable() ? group->title() : QString();
    return {};
}

bool pressClicksOneButton(QWidget *window, QChar letter, const QList<QWidget *> &owners)
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    QList<QAbstractButton *> buttons;
    for (QWidget *owner : owners) {
        if (auto *button = qobject_cast<QAbstractButton *>(owner)) {
            buttons.append(button);
            spies.push_back(std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));
        }
    }
    for (int press = 0; press < 2; ++press) {
        if (!window->isVisible()) {
            window->show();
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window))
                return false;
        }
        QTest::keyClick(window, letter.toLatin1(), Qt::AltModifier);
        QTest::qWait(50);
    }
    for (const auto &spy : spies) {
        if (spy->count() == 2)
            return true;
    }
    return false;
}

} // namespace

QStringList MnemonicClashes(QWidget *window)
{
    QMap<QChar, QList<QWidget *>> owners;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const QChar letter = mnemonicOf(shortcutText(widget));
        if (!letter.isNull())
            owners[letter].append(widget);
    }
    QStringList clashes;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.value().size() < 2 || pressClicksOneButton(window, it.key(), it.value()))
            continue;
        QStringList texts;
        for (QWidget *widget : it.value())
            texts.append(shortcutText(widget));
        clashes.append(QStringLiteral("%1: %2").arg(it.key(), texts.join(QStringLiteral(", "))));
    }
    return clashes;
}
