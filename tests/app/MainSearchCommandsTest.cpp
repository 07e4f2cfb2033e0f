#include "MainWindowTestSupport.h"

#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"
#include "app/Startup.h"
#include "app/TAutoOpenForm.h"
#include "commands/MacroFile.h"
#include "common/ModalSeam.h"
#include "platform/Volumes.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"
#include "tree/TGeheZuForm.h"
#include "tree/TImagesEditForm.h"
#include "tree/TSortierenForm.h"
#include "tree/TSuchenForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace MainWindowTest;

namespace {

QString selectedTitle(const TMainForm &window)
{
    const ProjectEntry *entry = window.currentEntry();
    return entry ? entry->title : QString();
}

// The titles as the tree view's model shows them, in depth-first order.
QStringList shownTitles(const QAbstractItemModel *model, const QModelIndex &parent = {})
{
    QStringList titles;
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        titles << index.data().toString() << shownTitles(model, index);
    }
    return titles;
}

} // namespace

class MainSearchCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_boxes = std::make_unique<MsgBoxRecorder>();
        m_window = makeWindow();
        const QString file = writeProject(*m_env, QStringLiteral("p/test.prj"),
                                          {QStringLiteral("Zweig"), QStringLiteral("beta"), QStringLiteral("Äpfel")},
                                          {QStringLiteral("Zeta"), QStringLiteral("alpha")});
        QVERIFY(m_window->loadProject(file));
    }

    void cleanup()
    {
        QVERIFY(!m_boxes->failed());
        m_window.reset();
        m_boxes.reset();
        m_env.reset();
    }

    void searchThenSearchAgain()
    {
        ModalSeam::ScopedHandler seam([](QDialog *dialog) {
            if (!qobject_cast<TSuchenForm *>(dialog))
                return -1;
            dialog->findChild<QComboBox *>(QStringLiteral("ComboBox_Suchbegriff"))->setEditText(QStringLiteral("eta"));
            child(dialog, "Button_Starten")->click();
            return dialog->result();
        });
        action(*m_window, "MainMenu_Suchen_Suchen")->trigger();
        QCOMPARE(selectedTitle(*m_window), QStringLiteral("Zeta"));
        QVERIFY(action(*m_window, "MainMenu_Suchen_Weitersuchen")->isEnabled());

        action(*m_window, "MainMenu_Suchen_Weitersuchen")->trigger();
        QCOMPARE(selectedTitle(*m_window), QStringLiteral("beta"));
        QCOMPARE(m_boxes->count(), 0);

        m_boxes->answer(MsgBox::ResultOk);
        action(*m_window, "MainMenu_Suchen_Weitersuchen")->trigger();
        QCOMPARE(m_boxes->count(), 1);
        QCOMPARE(m_boxes->last().caption, QStringLiteral("Suche abgeschlossen"));
        QCOMPARE(selectedTitle(*m_window), QStringLiteral("beta"));
        QVERIFY(!action(*m_window, "MainMenu_Suchen_Weitersuchen")->isEnabled());
        QVERIFY(!m_window->isModified());
    }

    void searchAgainWithoutTermOpensTheDialog()
    {
        int dialogs = 0;
        ModalSeam::ScopedHandler seam([&dialogs](QDialog *dialog) {
            dialogs += qobject_cast<TSuchenForm *>(dialog) ? 1 : 100;
            return int(QDialog::Rejected);
        });
        m_window->SetCommandState(72);
        action(*m_window, "MainMenu_Suchen_Weitersuchen")->trigger();
        QCOMPARE(dialogs, 1);
    }

    void goToTheLastEntry()
    {
        ModalSeam::ScopedHandler seam([](QDialog *dialog) {
            if (!qobject_cast<TGeheZuForm *>(dialog))
                return -1;
            dialog->findChild<QLineEdit *>(QStringLiteral("MaskEdit_Position"))->setText(QStringLiteral("5"));
            child(dialog, "Button_Gehe")->click();
            return dialog->result();
        });
        action(*m_window, "MainMenu_Suchen_GeheZu")->trigger();
        QCOMPARE(selectedTitle(*m_window), QStringLiteral("Äpfel"));
    }

    void sortAllLevelsMarksModified()
    {
        const ProjectTreeModel *model = m_window->treeView()->projectModel();
        ProjectEntry *selected = m_window->project()->tree.entryAt(2);
        m_window->treeView()->selectEntry(selected);
        ModalSeam::ScopedHandler seam([](QDialog *dialog) {
            if (!qobject_cast<TSortierenForm *>(dialog))
                return -1;
            dialog->findChild<QRadioButton *>(QStringLiteral("RadioButton_Alle"))->setChecked(true);
            child(dialog, "Button_Sortieren")->click();
            return dialog->result();
        });
        action(*m_window, "MainMenu_Bearbeiten_Sortieren")->trigger();
        const QStringList sorted{QStringLiteral("Äpfel"), QStringLiteral("beta"), QStringLiteral("Zweig"),
                                 QStringLiteral("alpha"), QStringLiteral("Zeta")};
        QCOMPARE(shownTitles(model), sorted);
        QVERIFY(m_window->isModified());
        // The selection follows its entry.
        QCOMPARE(m_window->treeView()->selectedEntry(), selected);
        QCOMPARE(model->entry(m_window->treeView()->currentIndex()), selected);
    }

    void cancelledSortChangesNothing()
    {
        ModalSeam::ScopedHandler seam([](QDialog *) { return int(QDialog::Rejected); });
        action(*m_window, "MainMenu_Bearbeiten_Sortieren")->trigger();
        QVERIFY(!m_window->isModified());
        QCOMPARE(m_window->project()->tree.entryAt(0)->title, QStringLiteral("Zweig"));
    }

    void imageListEditorOpensWithF2()
    {
        int seen = 0;
        ModalSeam::ScopedHandler seam([&seen](QDialog *dialog) {
            seen += qobject_cast<TImagesEditForm *>(dialog) ? 1 : 100;
            child(dialog, "Button_Schliessen")->click();
            return dialog->result();
        });
        QCOMPARE(action(*m_window, "MainMenu_Bearbeiten_ImagelisteBearbeiten")->shortcut(), QKeySequence(Qt::Key_F2));
        action(*m_window, "MainMenu_Bearbeiten_ImagelisteBearbeiten")->trigger();
        QCOMPARE(seen, 1);
        QVERIFY(!m_window->isModified());
    }

    void autoOpenLoadsTheChosenFile()
    {
        const QString drive = m_env->makeFolder(QStringLiteral("laufwerk"));
        const QString other = writeProject(*m_env, QStringLiteral("laufwerk/Anderes.prj"), {QStringLiteral("X")});
        Volumes::setRootsForTesting({drive});
        ModalSeam::ScopedHandler seam([](QDialog *dialog) {
            auto *form = qobject_cast<TAutoOpenForm *>(dialog);
            if (!form)
                return -1;
            form->runSearch();
            child(form, "Button_Oeffnen")->click();
            return form->result();
        });
        action(*m_window, "MainMenu_Projektdatei_AutoOeffnen")->trigger();
        QCOMPARE(m_window->project()->fileName, other);
        QCOMPARE(m_window->project()->tree.entryAt(0)->title, QStringLiteral("X"));
    }

    // A macro file opened with the program (as the desktop does) runs after
    // the start macro of the settings.
    void macroOnTheCommandLineRunsAfterStartUp()
    {
        MacroFile::resetReportingSwitch();
        const QString start = m_env->writeFile(QStringLiteral("Start.mkr"), "<Talvoren V4 Makrodatei>\r\nTST 2\r\n");
        const QString opened =
            m_env->writeFile(QStringLiteral("Geoeffnet.mkr"), "<Talvoren V4 Makrodatei>\r\n\r\nTST x\r\n");
        m_env->writeFile(QStringLiteral("program/Brekko.ini"),
                         "<Talvoren V4 Ini-Datei>\r\n[Dateien]\r\nMakrodatei=" + start.toUtf8() + "\r\n");
        const std::optional<StartConfig> config = PrepareStart({opened}, {});
        QVERIFY(config);
        QCOMPARE(config->commandLineMacro, opened);
        auto window = makeWindow(*config);
        m_boxes->answer(MsgBox::ResultYes);
        m_boxes->answer(MsgBox::ResultNo);
        window->completeStartup();
        QCOMPARE(m_boxes->count(), 2);
        QCOMPARE(m_boxes->boxes().first().caption, QStringLiteral("Makro-Syntaxfehler in Zeile 2:"));
        QCOMPARE(m_boxes->last().caption, QStringLiteral("Makro-Syntaxfehler in Zeile 3:"));
    }

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
    std::unique_ptr<TMainForm> m_window;
};

BREKKO_TEST_MAIN(MainSearchCommandsTest)
#include "MainSearchCommandsTest.moc"
