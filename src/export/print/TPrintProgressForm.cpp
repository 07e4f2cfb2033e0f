#include "export/print/TPrintProgressForm.h"

#include "common/DialogParts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TPrintProgressForm::TPrintProgressForm(const QString &message, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TPrintProgressForm"));
    setWindowTitle(QStringLiteral("Drucken"));
    setWindowModality(Qt::ApplicationModal);
    auto *text = named(new QLabel(message, this), "Label_Meldung");
    m_page = named(new QLabel(this), "Label_Seite");
    m_copy = named(new QLabel(this), "Label_Kopie");
    auto *cancel = named(new QPushButton(QStringLiteral("&Abbrechen"), this), "Button_Abbrechen");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_page);
    layout->addWidget(m_copy);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    connect(cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
}

void TPrintProgressForm::showPage(int page, int pageTotal, int copy, int copies)
{
    m_page->setText(QStringLiteral("Seite %1 von %2").arg(page).arg(pageTotal));
    m_copy->setVisible(copies > 1);
    m_copy->setText(QStringLiteral("Exemplar %1 von %2").arg(copy).arg(copies));
}
