#include "FindChild.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "app/TMsgIniErrorForm.h"
#include "common/AppContext.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "common/Sound.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// What the dialog showed when the handler saw it.
struct Seen {
    QString caption;
    QString fileLabel;
    int helpContext = 0;
    int sound = -1;
    bool helpEnabled = false;
    QString helpFile;
};

// Answers each dialog with the next button of clicks and records it.
class Answerer {
public:
    explicit Answerer(QList<const char *> clicks)
        : m_clicks(std::move(clicks))
        , m_seam([this](QDialog *dialog) { return answer(dialog); })
    {
    }

    QList<Seen> seen;

private:
    int answer(QDialog *dialog)
    {
        auto *form = qobject_cast<TMsgIniErrorForm *>(dialog);
        if (!form || m_clicks.isEmpty())
            return QDialog::Rejected;
        seen.append({form->windowTitle(), form->findChild<QLabel *>(QStringLiteral("FileLabel"))->text(),
                     form->helpContext(), Sound::lastSound(), child(form, "Button_Hilfe")->isEnabled(),
                     AppContext::helpFileName()});
        Sound::resetLastSound();
        child(form, m_clicks.takeFirst())->click();
        return form->result();
    }

    QList<const char *> m_clicks;
    ModalSeam::ScopedHandler m_seam;
};

QByteArray iniText()
{
    return "[Baum]\r\n<Talvoren V4 Ini-Datei>\r\n";
}

} // namespace

class TMsgIniErrorFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Sound::resetLastSound(); }
    void validFileNeedsNoDialog();
    void missingFileTakesDefaults();
    void browsingRepeatsTheCheck();
    void cancelledChooserKeepsTheDialog();
    void helpFileServesOnlyWhileOpen();
};

void TMsgIniErrorFormTest::validFileNeedsNoDialog()
{
    TestEnvironment env;
    const QString file = env.writeFile(QStringLiteral("program/Brekko.ini"), iniText());
    Answerer answerer({});
    QString iniFile = QStringLiteral("Brekko.ini");
    QVERIFY(CheckSettingsFile(iniFile));
    QCOMPARE(iniFile, file);
    QVERIFY(answerer.seen.isEmpty());
}

void TMsgIniErrorFormTest::missingFileTakesDefaults()
{
    TestEnvironment env;
    Answerer answerer({"Button_Standardwerte"});
    QString iniFile = QStringLiteral("Eigene/Brekko.INI");
    QVERIFY(CheckSettingsFile(iniFile));
    QVERIFY(iniFile.isEmpty());

    QCOMPARE(answerer.seen.size(), 1);
    const Seen &seen = answerer.seen.first();
    QCOMPARE(seen.caption, QStringLiteral("Fehler: Ini-Datei nicht gefunden..."));
    QCOMPARE(seen.fileLabel, env.programDirectory() + QStringLiteral("Eigene/Brekko.INI"));
    QCOMPARE(seen.helpContext, 80010);
    QCOMPARE(seen.sound, 16);
}

void TMsgIniErrorFormTest::browsingRepeatsTheCheck()
{
    TestEnvironment env;
    const QString invalid = env.writeFile(QStringLiteral("Fremd.ini"), "[Baum]\r\n");
    const QString alsoInvalid = env.writeFile(QStringLiteral("Auch fremd.ini"), "x=1\r\n");
    const QString valid = env.writeFile(QStringLiteral("Gut.ini"), iniText());
    QList<FileChooser::Request> requests;
    QStringList choices{alsoInvalid, valid};
    FileChooser::ScopedHandler chooser([&](const FileChooser::Request &request) {
        requests.append(request);
        return choices.takeFirst();
    });
    Answerer answerer({"Button_Durchsuchen", "Button_Durchsuchen"});

    QString iniFile = invalid;
    QVERIFY(CheckSettingsFile(iniFile));
    QCOMPARE(iniFile, valid);

    QCOMPARE(answerer.seen.size(), 2);
    QCOMPARE(answerer.seen.at(0).caption, QStringLiteral("Fehler: Ungültige Ini-Datei..."));
    QCOMPARE(answerer.seen.at(0).helpContext, 80020);
    QCOMPARE(answerer.seen.at(0).fileLabel, invalid);
    QCOMPARE(answerer.seen.at(1).fileLabel, alsoInvalid);
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.first().kind, FileChooser::Kind::OpenFile);
    QCOMPARE(requests.first().filter, QStringLiteral("Ini-Dateien [*.ini]|*.ini|Alle Dateien [*.*]|*.*"));
    QCOMPARE(requests.first().startFolder, env.programDirectory());
}

void TMsgIniErrorFormTest::cancelledChooserKeepsTheDialog()
{
    TestEnvironment env;
    FileChooser::ScopedHandler chooser([](const FileChooser::Request &) { return QString(); });
    bool stayedOpen = false;
    ModalSeam::ScopedHandler seam([&stayedOpen](QDialog *dialog) {
        child(dialog, "Button_Durchsuchen")->click();
        stayedOpen = dialog->isVisible();
        child(dialog, "Button_Abbrechen")->click();
        return dialog->result();
    });
    QString iniFile = QStringLiteral("fehlt.ini");
    QVERIFY(!CheckSettingsFile(iniFile));
    QVERIFY(stayedOpen);
    QCOMPARE(iniFile, QStringLiteral("fehlt.ini"));
}

void TMsgIniErrorFormTest::helpFileServesOnlyWhileOpen()
{
    TestEnvironment env;
    AppContext::setHelpFileName(QStringLiteral("/vorher/Hilfe.html"));
    {
        Answerer answerer({"Button_Abbrechen"});
        QString iniFile = QStringLiteral("fehlt.ini");
        QVERIFY(!CheckSettingsFile(iniFile));
        QVERIFY(!answerer.seen.first().helpEnabled);
        QVERIFY(answerer.seen.first().helpFile.isEmpty());
    }
    const QString help = env.writeFile(QStringLiteral("program/Brekko.html"), "<html></html>");
    Answerer answerer({"Button_Abbrechen"});
    QString iniFile = QStringLiteral("fehlt.ini");
    QVERIFY(!CheckSettingsFile(iniFile));
    QVERIFY(answerer.seen.first().helpEnabled);
    QCOMPARE(answerer.seen.first().helpFile, help);
    QCOMPARE(AppContext::helpFileName(), QStringLiteral("/vorher/Hilfe.html"));
}

BREKKO_TEST_MAIN(TMsgIniErrorFormTest)
#include "TMsgIniErrorFormTest.moc"
