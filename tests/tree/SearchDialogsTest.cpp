#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"
#include "TreeText.h"

#include "TestRegistry.h"
#include "tree/TGeheZuForm.h"
#include "tree/TSortierenForm.h"
#include "tree/TSuchenForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

class SearchDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void startButtonNeedsTermAndField()
    {
        TestEnvironment env;
        SearchState state;
        TSuchenForm form(state);
        auto *start = child(&form, "Button_Starten");
        auto *term = child<QComboBox>(&form, "ComboBox_Suchbegriff");
        QCOMPARE(form.windowTitle(), QStringLiteral("Begriff suchen"));
        QVERIFY(!start->isEnabled());
        term->setEditText(QStringLiteral("x"));
        QVERIFY(start->isEnabled());
        child<QCheckBox>(&form, "CheckBox_FeldBezeichnung")->setChecked(false);
        QVERIFY(!start->isEnabled());
        child<QCheckBox>(&form, "CheckBox_FeldBefehl")->setChecked(true);
        QVERIFY(start->isEnabled());
        term->setEditText(QString());
        QVERIFY(!start->isEnabled());
        QVERIFY(!child(&form, "Button_Hilfe")->isEnabled());
    }

    void startingStoresSettingsAndHistory()
    {
        SearchState state;
        state.history.add(QStringLiteral("alt"));
        state.settings.term = QStringLiteral("alt");
        TSuchenForm form(state);
        auto *term = child<QComboBox>(&form, "ComboBox_Suchbegriff");
        QCOMPARE(term->currentText(), QStringLiteral("alt"));
        QCOMPARE(term->count(), 1);
        QVERIFY(child<QRadioButton>(&form, "RadioButton_StartAnfang")->isChecked());
        term->setEditText(QStringLiteral("Neu"));
        child<QCheckBox>(&form, "CheckBox_GrossKlein")->setChecked(true);
        child<QRadioButton>(&form, "RadioButton_StartAktuell")->setChecked(true);
        child<QCheckBox>(&form, "CheckBox_FeldKommentar")->setChecked(true);
        child(&form, "Button_Starten")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(state.settings.term, QStringLiteral("Neu"));
        QVERIFY(state.settings.matchCase);
        QVERIFY(!state.settings.startAtFirst);
        QVERIFY(state.settings.searchTitles && state.settings.searchComments && !state.settings.searchCommands);
        QCOMPARE(state.history.items(), (QStringList{QStringLiteral("Neu"), QStringLiteral("alt")}));
    }

    void typedTermKeepsItsCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("other case than the history") << QStringLiteral("SUCHWORT");
        QTest::newRow("start of a history term") << QStringLiteral("Such");
    }

    void typedTermKeepsItsCase()
    {
        QFETCH(QString, typed);
        SearchState state;
        state.history.add(QStringLiteral("suchwort"));
        state.settings.searchComments = true;
        TSuchenForm form(state);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *term = child<QComboBox>(&form, "ComboBox_Suchbegriff");
        term->setFocus();
        term->lineEdit()->clear();
        QTest::keyClicks(term->lineEdit(), typed);
        auto *matchCase = child<QCheckBox>(&form, "CheckBox_GrossKlein");
        matchCase->setFocus();
        QTest::keyClick(matchCase, Qt::Key_Space);
        QCOMPARE(term->currentText(), typed);
        child(&form, "Button_Starten")->click();
        QCOMPARE(state.settings.term, typed);
        QCOMPARE(state.history.items().constFirst(), typed);
    }

    void cancelChangesNothing()
    {
        SearchState state;
        TSuchenForm form(state);
        child<QComboBox>(&form, "ComboBox_Suchbegriff")->setEditText(QStringLiteral("x"));
        child<QCheckBox>(&form, "CheckBox_GrossKlein")->setChecked(true);
        child(&form, "Button_Abbrechen")->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(state.settings.term.isEmpty());
        QVERIFY(!state.settings.matchCase);
        QVERIFY(state.history.items().isEmpty());
    }

    void goToPositions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position");
        QTest::newRow("last entry") << "5" << 5;
        QTest::newRow("past the end") << "6" << 0;
        QTest::newRow("letters do not get in") << "abc" << 0;
    }

    void goToPositions()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        MsgBoxRecorder recorder;
        if (!position)
            recorder.answer(MsgBox::ResultOk);
        TGeheZuForm form(5, 2);
        auto *field = child<QLineEdit>(&form, "MaskEdit_Position");
        QCOMPARE(field->text(), QStringLiteral("2"));
        field->setText(text);
        child(&form, "Button_Gehe")->click();
        QCOMPARE(form.position(), position);
        QCOMPARE(form.result(), position ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(recorder.count(), position ? 0 : 1);
        if (!position)
            QCOMPARE(recorder.last().caption, QStringLiteral("Fehler: Ungültige Angabe..."));
    }

    void spinButtonsStayInRange()
    {
        TGeheZuForm form(3, 0);
        auto *field = child<QLineEdit>(&form, "MaskEdit_Position");
        QCOMPARE(field->text(), QStringLiteral("1"));
        child<QToolButton>(&form, "UpDown_Position_Ab")->click();
        QCOMPARE(field->text(), QStringLiteral("1"));
        for (int i = 0; i < 4; ++i)
            child<QToolButton>(&form, "UpDown_Position_Auf")->click();
        QCOMPARE(field->text(), QStringLiteral("3"));
        QVERIFY(child(&form, "Button_Gehe")->isDefault());
    }

    void sortChoices_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("subEntriesEnabled");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("position");
        QTest::addColumn<bool>("canSort");
        QTest::newRow("entry with sub-entries") << "c" << true << "2"
                                                << "1" << true;
        QTest::newRow("entry with one sub-entry") << "b" << true << "1"
                                                  << "4" << false;
        QTest::newRow("entry without sub-entries") << "a" << false << "6"
                                                   << "6" << true;
        QTest::newRow("no selection") << "" << false << "6"
                                      << "Kein Eintrag markiert." << true;
    }

    void sortChoices()
    {
        QFETCH(QString, selected);
        QFETCH(bool, subEntriesEnabled);
        QFETCH(QString, count);
        QFETCH(QString, position);
        QFETCH(bool, canSort);
        ProjectTree tree;
        TreeText::build(tree, QStringLiteral("c|.z|.y|b|.x|a"));
        TSortierenForm form(tree, TreeText::find(tree, selected));
        auto *subEntries = child<QRadioButton>(&form, "RadioButton_Untereintraege");
        QCOMPARE(subEntries->isEnabled(), subEntriesEnabled);
        QCOMPARE(subEntries->isChecked(), subEntriesEnabled);
        QCOMPARE(child<QRadioButton>(&form, "RadioButton_Alle")->isChecked(), !subEntriesEnabled);
        QCOMPARE(child<QLabel>(&form, "Label_Anzahl")->text(), count);
        QCOMPARE(child<QLabel>(&form, "Label_Position")->text(), position);
        QCOMPARE(child(&form, "Button_Sortieren")->isEnabled(), canSort);
        child<QRadioButton>(&form, "RadioButton_Alle")->setChecked(true);
        QCOMPARE(child<QLabel>(&form, "Label_Anzahl")->text(), QStringLiteral("6"));
        QVERIFY(child(&form, "Button_Sortieren")->isEnabled());
    }

    void sortingRunsInsideTheWrapper()
    {
        ProjectTree tree;
        TreeText::build(tree, QStringLiteral("c|.z|.y|b|.x|a"));
        TSortierenForm form(tree, TreeText::find(tree, QStringLiteral("c")));
        QStringList log;
        form.setSortWrapper([&](const std::function<void()> &sort) {
            log << TreeText::text(tree);
            sort();
            log << TreeText::text(tree);
        });
        child(&form, "Button_Sortieren")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.windowTitle(), QStringLiteral("Einträge werden sortiert. Bitte warten..."));
        QCOMPARE(log, (QStringList{QStringLiteral("c|.z|.y|b|.x|a"), QStringLiteral("c|.y|.z|b|.x|a")}));
    }
};

BREKKO_TEST_MAIN(SearchDialogsTest)
#include "SearchDialogsTest.moc"
