#include "filemanager/ops/TDeleteForm.h"

#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/FileUtils.h"
#include "filemanager/ops/DeleteEngine.h"
#include "platform/NativeNames.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QFrame *radioPanel(QWidget *parent, QRadioButton *button)
{
    auto *panel = new QFrame(parent);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(button);
    return panel;
}

} // namespace

TDeleteForm::TDeleteForm(const QString &folder, const QStringList &names, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_names(names)
{
    setObjectName(QStringLiteral("TDeleteForm"));
    setWindowTitle(QStringLiteral("Löschen"));

    const QString question =
        names.size() == 1
            ? QStringLiteral("Soll \"") + NativeNames::forDisplay(names.first()) + QStringLiteral("\"")
            : QStringLiteral("Sollen die ") + FormatThousands(names.size()) + QStringLiteral(" markierten Objekte");
    auto *label1 = named(new QLabel(question, this), "Label1");
    label1->setTextFormat(Qt::PlainText);
    auto *label2 = named(new QLabel(QStringLiteral("wirklich gelöscht werden ?"), this), "Label2");
    m_trash = named(new QRadioButton(QStringLiteral("in den Papierkorb verschieben"), this), "RadioButton_Papierkorb");
    auto *forGood = named(new QRadioButton(QStringLiteral("unwiderruflich löschen"), this), "RadioButton_Loeschen");
    m_trash->setChecked(true);
    // The two buttons sit in panels of their own; they exclude each other.
    m_trash->setAutoExclusive(false);
    forGood->setAutoExclusive(false);
    connect(m_trash, &QRadioButton::toggled, forGood, [forGood](bool on) { forGood->setChecked(!on); });
    connect(forGood, &QRadioButton::toggled, m_trash, [this](bool on) { m_trash->setChecked(!on); });

    m_done = named(new QLabel(this), "DonePanel");
    m_done->setFrameShape(QFrame::StyledPanel);
    m_done->hide();

    auto *erase = named(new QPushButton(QStringLiteral("&Löschen"), this), "Button_Loeschen");
    connect(erase, &QPushButton::clicked, this, &TDeleteForm::Button_Loeschen_OnClick);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(label2);
    layout->addWidget(radioPanel(this, m_trash));
    layout->addWidget(radioPanel(this, forGood));
    layout->addWidget(m_done);
    layout->addLayout(MakeDialogButtonRow(this, erase, kHelpContext));
}

void TDeleteForm::Button_Loeschen_OnClick()
{
    const bool toTrash = m_trash->isChecked();
    // Events run while deleting: nothing here may start a second run.
    for (QWidget *control : findChildren<QPushButton *>())
        control->setEnabled(false);
    BusyCursor busy;
    m_done->setText(toTrash ? QStringLiteral("Verschiebe markierte Objekte in den Papierkorb...")
                            : QStringLiteral("Lösche markierte Objekte unwiderruflich..."));
    setWindowTitle(QStringLiteral("Bitte warten..."));
    m_done->show();
    m_done->repaint();
    MsgBoxDeleteQuestions questions;
    DeleteEngine engine(toTrash, questions);
    if (engine.run(m_folder, m_names))
        accept();
    else
        reject();
}
