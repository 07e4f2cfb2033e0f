#include "MnemonicCheck.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "app/TAboutForm.h"
#include "app/TAutoOpenForm.h"
#include "app/TMainForm.h"
#include "app/TMsgIniErrorForm.h"
#include "app/TSystemInfoForm.h"
#include "app/settings/SettingsCommands.h"
#include "app/settings/TEinstellungenForm.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "project/Project.h"
#include "project/ProjectFile.h"
#include "project/ProjectTree.h"
#include "project/TMsgPrjSyntaxErrorForm.h"
#include "tree/TGeheZuForm.h"
#include "tree/TImagesEditForm.h"
#include "tree/TItemEditForm.h"
#include "tree/TSortierenForm.h"
#include "tree/TSuchenForm.h"
#include "tree/TreeSearch.h"

#include <QTest>

#include <functional>
#include <memory>

using DialogFactory = std::function<std::unique_ptr<QWidget>()>;
Q_DECLARE_METATYPE(DialogFactory)

class MnemonicTest : public QObject {
    Q_OBJECT

private slots:
    void eachLetterHasOneJob_data()
    {
        QTest::addColumn<DialogFactory>("make");

        static SearchState search;
        search.settings.term = QStringLiteral("Wort");
        static Project project;
        static LoadReport report;
        QTest::newRow("Begriff suchen") << DialogFactory([] { return std::make_unique<TSuchenForm>(search); });
        QTest::newRow("Gehe zu") << DialogFactory([] { return std::make_unique<TGeheZuForm>(10, 1); });
        QTest::newRow("Sortieren") << DialogFactory(
            [] { return std::make_unique<TSortierenForm>(project.tree, nullptr); });
        QTest::newRow("Bilder") << DialogFactory([] { return std::make_unique<TImagesEditForm>(project, [] {}); });
        QTest::newRow("Eintrag") << DialogFactory([] { return std::make_unique<TItemEditForm>(); });
        QTest::newRow("Automatisch öffnen")
            << DialogFactory([] { return std::make_unique<TAutoOpenForm>(QStringList{QStringLiteral("/")}); });
        QTest::newRow("Ini-Datei") << DialogFactory([] {
            return std::make_unique<TMsgIniErrorForm>(SettingsFileProblem::Missing, QStringLiteral("/x/Brekko.ini"));
        });
        QTest::newRow("Syntaxfehler") << DialogFactory([] { return std::make_unique<TMsgPrjSyntaxErrorForm>(report); });
        QTest::newRow("Info") << DialogFactory([] { return std::make_unique<TAboutForm>(); });
        QTest::newRow("Systeminfo") << DialogFactory([] { return std::make_unique<TSystemInfoForm>(); });
        QTest::newRow("Einstellungen") << DialogFactory([] {
            auto *window = new TMainForm(StartConfig());
            auto dialog = std::make_unique<TEinstellungenForm>(*window->findChild<SettingsCommands *>());
            // The window goes with the dialog, unseen.
            window->setParent(dialog.get());
            window->hide();
            return dialog;
        });
    }

    void eachLetterHasOneJob()
    {
        TestEnvironment env;
        // Buttons that open a chooser or a window get a cancel.
        MsgBoxRecorder boxes;
        FileChooser::ScopedHandler noFile([](const FileChooser::Request &) { return QString(); });
        ModalSeam::ScopedHandler noWindow([](QDialog *) { return int(QDialog::Rejected); });
        QFETCH(DialogFactory, make);
        std::unique_ptr<QWidget> dialog = make();
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        const QStringList clashes = MnemonicClashes(dialog.get());
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
    }
};

BREKKO_TEST_MAIN(MnemonicTest)
#include "MnemonicTest.moc"
