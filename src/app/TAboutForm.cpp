#include "app/TAboutForm.h"

#include "app/VersionTexts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <archive.h>

namespace {

QLabel *addLabel(QVBoxLayout *layout, QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(QStringLiteral("Infos"));

    auto *layout = new QVBoxLayout(this);
    auto *icon = addLabel(layout, this, "ProgrammIcon", QString());
    icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon, nullptr, this).pixmap(48));
    QLabel *name = addLabel(layout, this, "ProgrammLabel", VersionTexts::programName);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    name->setFont(big);
    addLabel(layout, this, "VersionLabel", QStringLiteral("Version ") + VersionTexts::version);
    addLabel(layout, this, "CompileLabel", VersionTexts::versionLine);
    layout->addSpacing(12);
    addLabel(layout, this, "CreditsLabel",
             QStringLiteral("Erstellt mit Qt %1 und %2.")
                 .arg(QString::fromLatin1(qVersion()), QString::fromLatin1(archive_version_string())));

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Button_Ok"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
