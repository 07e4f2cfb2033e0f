#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "common/FileChooser.h"
#include "export/TExportTextdateiForm.h"
#include "project/Project.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

void buildProject(Project &project)
{
    ProjectEntry *parent = project.tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral("Spiele")));
    auto entry = std::make_unique<ProjectEntry>(QStringLiteral("Schach"));
    entry->record.comment = {QStringLiteral("Brett")};
    entry->record.command = QStringLiteral("schach");
    project.tree.append(parent, std::move(entry));
}

void showText(TExportTextdateiForm &form)
{
    child<QTabWidget>(&form, "PageControl")->setCurrentIndex(1);
}

} // namespace

class TExportTextdateiFormTest : public QObject {
    Q_OBJECT

private slots:
    void startsFromSettings()
    {
        Project project;
        Settings settings;
        settings.commandArea = {true, QStringLiteral(" ")};
        TExportTextdateiForm form(project, settings);
        QCOMPARE(form.windowTitle(), QStringLiteral("Bereite Projekteinträge vor. Bitte warten..."));
        QVERIFY(child<QCheckBox>(&form, "CheckBox_FeldBezeichnung")->isChecked());
        QVERIFY(!child<QCheckBox>(&form, "CheckBox_FeldKommentar")->isChecked());
        QVERIFY(child<QCheckBox>(&form, "CheckBox_FeldBefehl")->isChecked());
        QCOMPARE(child<QLabel>(&form, "Label_TrenBez")->text(), QStringLiteral("0 Zeichen."));
        QCOMPARE(child<QLabel>(&form, "Label_TrenKom")->text(), QStringLiteral("2 Zeichen."));
        QCOMPARE(child<QLabel>(&form, "Label_TrenBef")->text(), QStringLiteral("1 Zeichen."));
        QCOMPARE(child<QComboBox>(&form, "ComboBoxFeldbereicheReihenfolge")->count(), 6);
        QCOMPARE(child<QSpinBox>(&form, "UpDown_AnzahlLeerzeichen")->value(), 2);
        form.show();
        QTRY_COMPARE(form.windowTitle(), QStringLiteral("Exportieren - Als Textdatei speichern"));
    }

    // The tab captions are whole and the dialog fits its screen.
    void tabsShowTheirWholeCaption()
    {
        Project project;
        TExportTextdateiForm form(project, Settings());
        form.show();
        const QTabBar *tabs = child<QTabWidget>(&form, "PageControl")->tabBar();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            const int needed = tabs->fontMetrics().horizontalAdvance(tabs->tabText(tab)) + tabs->iconSize().width();
            QVERIFY2(tabs->tabRect(tab).width() > needed, qPrintable(tabs->tabText(tab)));
        }
        QVERIFY(form.frameGeometry().width() <= form.screen()->availableGeometry().width());
    }

    void layoutChoiceEnablesSeparatorBox()
    {
        Project project;
        Settings settings;
        TExportTextdateiForm form(project, settings);
        auto *useSeparators = child<QCheckBox>(&form, "CheckBox_Darstellung_TrennzeichenVerwenden");
        QVERIFY(!useSeparators->isEnabled() && useSeparators->isChecked());
        child<QRadioButton>(&form, "RadioButton_Darstellung_Untereinander")->setChecked(true);
        QVERIFY(useSeparators->isEnabled());
        useSeparators->setChecked(false);
        child<QRadioButton>(&form, "RadioButton_Darstellung_Nebeneinander")->setChecked(true);
        QVERIFY(!useSeparators->isEnabled() && !useSeparators->isChecked());
    }

    void textPageFollowsOptions()
    {
        Project project;
        buildProject(project);
        Settings settings;
        TExportTextdateiForm form(project, settings);
        child<QRadioButton>(&form, "RadioButton_Darstellung_Untereinander")->setChecked(true);
        child<QCheckBox>(&form, "CheckBox_FeldBefehl")->setChecked(true);
        child<QLineEdit>(&form, "Edit_TrenBef")->setText(QStringLiteral("> "));
        child<QSpinBox>(&form, "UpDown_AnzahlLeerzeichen")->setValue(4);
        showText(form);
        auto *text = child<QPlainTextEdit>(&form, "RichEdit");
        QCOMPARE(text->toPlainText(), QStringLiteral("Spiele\n> \n    Schach\n    > schach"));

        // Typed text lasts until the text page is entered again.
        text->setPlainText(QStringLiteral("getippt"));
        child<QTabWidget>(&form, "PageControl")->setCurrentIndex(0);
        QCOMPARE(text->toPlainText(), QStringLiteral("getippt"));
        child<QComboBox>(&form, "ComboBoxFeldbereicheReihenfolge")->setCurrentIndex(4);
        showText(form);
        QCOMPARE(text->toPlainText(), QStringLiteral("> \nSpiele\n    > schach\n    Schach"));
    }

    void saveRefusals()
    {
        Project project;
        Settings settings;
        settings.titleArea.enabled = false;
        MsgBoxRecorder boxes;
        boxes.answer(MsgBox::ResultOk);
        int asked = 0;
        FileChooser::ScopedHandler chooser([&asked](const FileChooser::Request &) {
            ++asked;
            return QString();
        });
        TExportTextdateiForm form(project, settings);
        child(&form, "Button_Speichern")->click();
        QCOMPARE(child<QTabWidget>(&form, "PageControl")->currentIndex(), 1);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Kein Text vorhanden..."));
        QCOMPARE(boxes.last().helpContext, 80560);
        QCOMPARE(asked, 0);

        child<QPlainTextEdit>(&form, "RichEdit")->setPlainText(QStringLiteral("x"));
        child(&form, "Button_Speichern")->click();
        QCOMPARE(asked, 1);
        QCOMPARE(form.result(), 0);
        QVERIFY(form.savedFileName().isEmpty());
    }

    void savesChosenFile()
    {
        TestEnvironment env;
        Project project;
        buildProject(project);
        project.tree.entryAt(1)->title = QStringLiteral("Schach\u00A0960"); // a no-break space stays one
        Settings settings;
        const QString target = env.path(QStringLiteral("liste"));
        FileChooser::Request seen;
        FileChooser::ScopedHandler chooser([&](const FileChooser::Request &request) {
            seen = request;
            return target;
        });
        TExportTextdateiForm form(project, settings);
        child<QRadioButton>(&form, "RadioButton_Darstellung_Untereinander")->setChecked(true);
        child<QSpinBox>(&form, "UpDown_AnzahlLeerzeichen")->setValue(1);
        child(&form, "Button_Speichern")->click();
        QCOMPARE(seen.caption, QStringLiteral("Textdatei speichern unter..."));
        QVERIFY(seen.confirmOverwrite);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.savedFileName(), target + QStringLiteral(".txt"));
        QCOMPARE(FileBytes(target + QStringLiteral(".txt")), QByteArray("Spiele\r\n Schach\xA0"
                                                                        "960\r\n"));
    }

    void failedSaveKeepsFileAndDialog()
    {
        TestEnvironment env;
        const QString folder = env.makeFolder(QStringLiteral("ro"));
        env.writeFile(QStringLiteral("ro/alt.txt"), QByteArray("alt"));
        const ScratchMount mount(folder);
        REQUIRE_MOUNT(mount);
        const QString target = mount.path(QStringLiteral("alt.txt"));
        Project project;
        buildProject(project);
        Settings settings;
        MsgBoxRecorder boxes;
        boxes.answer(MsgBox::ResultOk);
        FileChooser::ScopedHandler chooser([&target](const FileChooser::Request &) { return target; });
        TExportTextdateiForm form(project, settings);
        child(&form, "Button_Speichern")->click();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Datei nicht gespeichert..."));
        QCOMPARE(form.result(), 0);
        QCOMPARE(FileBytes(target), QByteArray("alt"));
    }
};

BREKKO_TEST_MAIN(TExportTextdateiFormTest)
#include "TExportTextdateiFormTest.moc"
