#include "common/TMsgBoxForm.h"
#include "FindChild.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/GuiSeams.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "common/Sound.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

MsgBox::Request request(int buttons, const QString &text = QStringLiteral("Datei speichern ?"), int icon = 2)
{
    MsgBox::Request r;
    r.caption = QStringLiteral("Frage...");
    r.text = text;
    r.icon = icon;
    r.sound = MsgBox::QuestionBeep;
    r.buttons = buttons;
    r.helpContext = 80100;
    return r;
}

QList<QPushButton *> visibleButtons(TMsgBoxForm &form)
{
    QList<QPushButton *> buttons;
    for (QPushButton *button : form.findChildren<QPushButton *>()) {
        if (button->isVisibleTo(&form))
            buttons.append(button);
    }
    std::sort(buttons.begin(), buttons.end(), [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
    return buttons;
}

} // namespace

class TMsgBoxFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void buttonRow_data();
    void buttonRow();
    void results_data();
    void results();
    void escapeAndCloseCancel_data();
    void escapeAndCloseCancel();
    void helpButton_data();
    void helpButton();
    void icons_data();
    void icons();
    void sizeFollowsText();
    void showMsgBoxRunsTheWindow();
    void runModalHandsOverDialog();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TMsgBoxFormTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    Sound::resetLastSound();
}

void TMsgBoxFormTest::buttonRow_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("OK") << 4 << QStringList{"Button_Ok"};
    QTest::newRow("OK Hilfe") << 260 << QStringList{"Button_Ok", "Button_Hilfe"};
    QTest::newRow("OK Abbrechen") << 12 << QStringList{"Button_Ok", "Button_Abbrechen"};
    QTest::newRow("Ja Nein Hilfe") << 259 << QStringList{"Button_Ja", "Button_Nein", "Button_Hilfe"};
    QTest::newRow("Ja Nein Abbrechen Hilfe")
        << 267 << QStringList{"Button_Ja", "Button_Nein", "Button_Abbrechen", "Button_Hilfe"};
    QTest::newRow("Abbrechen Ignorieren Alle Hilfe")
        << 456 << QStringList{"Button_Ignorieren", "Button_Alle", "Button_Abbrechen", "Button_Hilfe"};
    QTest::newRow("Abbrechen Wiederholen Ignorieren Alle Hilfe")
        << 488
        << QStringList{"Button_Wiederholen", "Button_Ignorieren", "Button_Alle", "Button_Abbrechen", "Button_Hilfe"};
    QTest::newRow("all eight") << 511 << QStringList{"Button_Ok",          "Button_Ja",         "Button_Nein",
                                                     "Button_Wiederholen", "Button_Ignorieren", "Button_Alle",
                                                     "Button_Abbrechen",   "Button_Hilfe"};
}

void TMsgBoxFormTest::buttonRow()
{
    QFETCH(int, flags);
    QFETCH(QStringList, names);

    TMsgBoxForm form;
    form.prepare(request(511)); // the one window keeps nothing from the box before
    form.prepare(request(flags));

    const QList<QPushButton *> buttons = visibleButtons(form);
    QStringList shown;
    for (QPushButton *b : buttons)
        shown.append(b->objectName());
    QCOMPARE(shown, names);

    const int n = static_cast<int>(buttons.size());
    QVERIFY(form.width() >= n * 96 + 16);
    const int leftMargin = buttons.first()->x();
    const int rightMargin = form.width() - buttons.last()->geometry().right() - 1;
    QVERIFY2(qAbs(leftMargin - rightMargin) <= 7,
             qPrintable(QStringLiteral("%1 / %2").arg(leftMargin).arg(rightMargin)));
    for (QPushButton *b : buttons) {
        QCOMPARE(b->width(), buttons.first()->width());
        QVERIFY(b->width() >= b->sizeHint().width());
        QCOMPARE(b->height(), 25);
        QCOMPARE(b->y(), form.height() - 58);
        QVERIFY(!b->icon().isNull());
    }
}

void TMsgBoxFormTest::results_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("result");

    QTest::newRow("OK") << "Button_Ok"
                        << "&OK" << 1;
    QTest::newRow("Ja") << "Button_Ja"
                        << "&Ja" << 6;
    QTest::newRow("Nein") << "Button_Nein"
                          << "&Nein" << 7;
    QTest::newRow("Wiederholen") << "Button_Wiederholen"
                                 << "&Wiederholen" << 4;
    QTest::newRow("Ignorieren") << "Button_Ignorieren"
                                << "&Ignorieren" << 5;
    QTest::newRow("Alle") << "Button_Alle"
                          << "A&lle" << 8;
    QTest::newRow("Abbrechen") << "Button_Abbrechen"
                               << "&Abbrechen" << 2;
}

void TMsgBoxFormTest::results()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    TMsgBoxForm form;
    QString shownCaption;
    ModalSeam::ScopedHandler handler([&](QDialog *dialog) {
        QPushButton *b = child(dialog, name);
        shownCaption = b->text();
        QTest::mouseClick(b, Qt::LeftButton);
        return dialog->result();
    });
    QTEST(form.execute(request(511)), "result");
    QCOMPARE(shownCaption, caption);
    QCOMPARE(Sound::lastSound(), int(MsgBox::QuestionBeep));
    QVERIFY(!form.isVisible());
}

void TMsgBoxFormTest::escapeAndCloseCancel_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("byEscape");

    QTest::newRow("escape, Ja Nein") << 3 << true;
    QTest::newRow("escape, OK only") << 4 << true;
    QTest::newRow("frame, Ja Nein Abbrechen") << 11 << false;
}

void TMsgBoxFormTest::escapeAndCloseCancel()
{
    QFETCH(int, flags);
    QFETCH(bool, byEscape);

    TMsgBoxForm form;
    ModalSeam::ScopedHandler handler([&](QDialog *dialog) {
        if (byEscape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
        return dialog->result();
    });
    QCOMPARE(form.execute(request(flags)), int(MsgBox::ResultCancel));
}

void TMsgBoxFormTest::helpButton_data()
{
    QTest::addColumn<bool>("hasHelpFile");
    QTest::newRow("help file") << true;
    QTest::newRow("no help file") << false;
}

void TMsgBoxFormTest::helpButton()
{
    QFETCH(bool, hasHelpFile);
    AppContext::setHelpFileName(hasHelpFile ? m_env->path(QStringLiteral("Brekko.hlp")) : QString());
    QList<int> contexts;
    const Help::Handler previousHelp = Help::setHandler([&](int context) { contexts.append(context); });

    TMsgBoxForm form;
    bool openAfterHelp = false;
    bool helpEnabled = false;
    ModalSeam::ScopedHandler handler([&](QDialog *dialog) {
        QPushButton *help = child(dialog, QStringLiteral("Button_Hilfe"));
        helpEnabled = help->isEnabled();
        QTest::mouseClick(help, Qt::LeftButton);
        openAfterHelp = dialog->isVisible();
        QTest::mouseClick(child(dialog, QStringLiteral("Button_Ja")), Qt::LeftButton);
        return dialog->result();
    });
    const int result = form.execute(request(MsgBox::Yes | MsgBox::No | MsgBox::Help));
    Help::setHandler(previousHelp);

    QCOMPARE(helpEnabled, hasHelpFile);
    QCOMPARE(result, int(MsgBox::ResultYes));
    QVERIFY(openAfterHelp);
    QCOMPARE(contexts, hasHelpFile ? QList<int>{80100} : QList<int>{});
}

void TMsgBoxFormTest::icons_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("visibleImage");

    QTest::newRow("none") << 0 << "";
    QTest::newRow("information") << 1 << "Image1";
    QTest::newRow("question") << 2 << "Image2";
    QTest::newRow("warning") << 3 << "Image3";
    QTest::newRow("error") << 4 << "Image4";
    QTest::newRow("unknown") << 5 << "";
}

void TMsgBoxFormTest::icons()
{
    QFETCH(int, kind);
    QFETCH(QString, visibleImage);

    TMsgBoxForm form;
    form.prepare(request(MsgBox::Ok, QStringLiteral("Text"), 4));
    form.prepare(request(MsgBox::Ok, QStringLiteral("Text"), kind));
    for (int i = 1; i <= 4; ++i) {
        const QString name = QStringLiteral("Image%1").arg(i);
        auto *image = form.findChild<QLabel *>(name);
        QVERIFY(image);
        QCOMPARE(image->isVisibleTo(&form), name == visibleImage);
    }
}

void TMsgBoxFormTest::sizeFollowsText()
{
    TMsgBoxForm form;
    const int screenWidth = form.screen()->availableGeometry().width();
    auto *label = form.findChild<QLabel *>(QStringLiteral("TextLabel"));

    form.prepare(request(MsgBox::Ok, QStringLiteral("Kurz")));
    const QSize shortBox = form.size();
    QVERIFY(!label->wordWrap());

    form.prepare(request(MsgBox::Ok, QStringLiteral("<Talvoren V4 Projektdatei>\rfehlt in der Datei.")));
    QCOMPARE(label->text(), QStringLiteral("<Talvoren V4 Projektdatei>\nfehlt in der Datei."));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(form.width() > shortBox.width());

    form.prepare(request(MsgBox::Ok, QStringLiteral("Zeile\rZeile\rZeile\rZeile\rZeile")));
    QVERIFY(form.height() > shortBox.height());
    QVERIFY(label->height() >= 5 * label->fontMetrics().height());

    form.prepare(request(MsgBox::Ok, QStringLiteral("Sehr lang ").repeated(200)));
    QVERIFY(label->wordWrap());
    QCOMPARE(label->width(), screenWidth - 200);
    QCOMPARE(form.width(), screenWidth - 120);
    QVERIFY(form.height() > shortBox.height());
}

void TMsgBoxFormTest::showMsgBoxRunsTheWindow()
{
    MsgBox::Handler *before = MsgBox::handler();
    QString caption;
    bool centred = false;
    int result = 0;
    {
        GuiSeams seams;
        answerWhenOpen<QDialog>([&](QDialog *dialog) {
            caption = dialog->windowTitle();
            centred =
                (dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center()).manhattanLength()
                <= 40;
            child(dialog, QStringLiteral("Button_Nein"))->click();
        });
        result = ShowMsgBox(QStringLiteral("Fehler: Datei nicht gefunden..."), QStringLiteral("Erneut suchen ?"),
                            MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Yes | MsgBox::No, 80010);
    }

    QCOMPARE(result, int(MsgBox::ResultNo));
    QCOMPARE(caption, QStringLiteral("Fehler: Datei nicht gefunden..."));
    QVERIFY(centred);
    QCOMPARE(Sound::lastSound(), int(MsgBox::ErrorBeep));
    QCOMPARE(MsgBox::handler(), before);
}

void TMsgBoxFormTest::runModalHandsOverDialog()
{
    QDialog dialog;
    QDialog *received = nullptr;
    bool visibleInside = false;
    {
        ModalSeam::ScopedHandler handler([&](QDialog *d) {
            received = d;
            visibleInside = d->isVisible() && d->isModal();
            return 42;
        });
        QCOMPARE(RunModal(&dialog), 42);
    }
    QCOMPARE(received, &dialog);
    QVERIFY(visibleInside);
    QVERIFY(!dialog.isVisible());
}

BREKKO_TEST_MAIN(TMsgBoxFormTest)
#include "TMsgBoxFormTest.moc"
