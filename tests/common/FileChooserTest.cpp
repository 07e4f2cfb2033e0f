#include "common/FileChooser.h"
#include "TestRegistry.h"
#include "common/Translations.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using FileChooser::Kind;
using FileChooser::Request;

class FileChooserTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void dialogSpeaksGerman_data();
    void dialogSpeaksGerman();
    void toQtFilter_data();
    void toQtFilter();
    void saveAnswer_data();
    void saveAnswer();
    void requestReachesHandler();
    void cancelledFontKeepsFont();
};

void FileChooserTest::initTestCase()
{
    QVERIFY2(InstallQtTranslations(*QCoreApplication::instance()), "qtbase_de is not installed");
}

void FileChooserTest::dialogSpeaksGerman_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("acceptText");

    QTest::newRow("open") << int(Kind::OpenFile) << QStringLiteral("&Öffnen");
    QTest::newRow("save") << int(Kind::SaveFile) << QStringLiteral("S&peichern");
}

void FileChooserTest::dialogSpeaksGerman()
{
    QFETCH(int, kind);
    Request request;
    request.kind = Kind(kind);
    request.caption = QStringLiteral("Projekt öffnen");
    request.startFolder = QDir::tempPath();
    request.filter = QStringLiteral("Projektdateien [*.prj]|*.prj|Alle Dateien [*.*]|*.*");
    QFileDialog dialog;
    FileChooser::configureFileDialog(dialog, request);

    QCOMPARE(dialog.windowTitle(), request.caption);
    auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QStringList shown;
    for (int i = 0; i < types->count(); ++i)
        shown.append(types->itemText(i));
    QCOMPARE(shown, QStringList({QStringLiteral("Projektdateien [*.prj]"), QStringLiteral("Alle Dateien [*.*]")}));
    auto *lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
    QVERIFY(lookIn);
    QCOMPARE(lookIn->text(), QStringLiteral("Suchen in:"));
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(buttons);
    QFETCH(QString, acceptText);
    QCOMPARE(buttons->button(request.kind == Kind::SaveFile ? QDialogButtonBox::Save : QDialogButtonBox::Open)->text(),
             acceptText);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

void FileChooserTest::toQtFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("project files") << "Projektdateien [*.prj]|*.prj|Alle Dateien [*.*]|*.*"
                                   << "Projektdateien [*.prj] (*.prj);;Alle Dateien [*.*] (*)";
    QTest::newRow("all files first") << "Alle Dateien [*.*]|*.*|Textdateien [*.txt]|*.txt"
                                     << "Alle Dateien [*.*] (*);;Textdateien [*.txt] (*.txt)";
    QTest::newRow("several masks") << "Ausführbare Dateien [*.bat;*.com;*.exe]|*.bat;*.com;*.exe"
                                   << "Ausführbare Dateien [*.bat;*.com;*.exe] (*.bat *.com *.exe)";
    QTest::newRow("name masks kept") << "Textdateien|lies.*;readme.*"
                                     << "Textdateien (lies.* readme.*)";
    QTest::newRow("blanks and empty masks") << "Bilder | *.bmp ;; *.jpg "
                                            << "Bilder (*.bmp *.jpg)";
    QTest::newRow("trailing bar") << "Bitmap-Dateien [*.bmp]|*.bmp|"
                                  << "Bitmap-Dateien [*.bmp] (*.bmp)";
    QTest::newRow("description without mask") << "Alles"
                                              << "Alles (*)";
    QTest::newRow("empty") << ""
                           << "";
}

void FileChooserTest::toQtFilter()
{
    QFETCH(QString, filter);
    QTEST(FileChooser::toQtFilter(filter), "expected");
}

void FileChooserTest::saveAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("expected");

    QTest::newRow("suffix added") << "/tmp/Export"
                                  << "txt"
                                  << "/tmp/Export.txt";
    QTest::newRow("own suffix kept") << "/tmp/Export.LOG"
                                     << "txt"
                                     << "/tmp/Export.LOG";
    QTest::newRow("no default suffix") << "/tmp/Export"
                                       << ""
                                       << "/tmp/Export";
    QTest::newRow("cancel stays empty") << ""
                                        << "txt"
                                        << "";
}

void FileChooserTest::saveAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QString, suffix);
    FileChooser::ScopedHandler handler([&](const Request &) { return answer; });
    QTEST(FileChooser::saveFile(nullptr, QStringLiteral("Speichern unter..."), QStringLiteral("/tmp"), {}, {}, true,
                                suffix),
          "expected");
}

void FileChooserTest::requestReachesHandler()
{
    QList<Request> requests;
    FileChooser::ScopedHandler handler([&](const Request &request) {
        requests.append(request);
        return QStringLiteral("/Daten/Mein Projekt.prj");
    });
    const QString filter = QStringLiteral("Projektdateien [*.prj]|*.prj|Alle Dateien [*.*]|*.*");
    QCOMPARE(FileChooser::openFile(nullptr, QStringLiteral("Projektdatei öffnen..."), QStringLiteral("/Daten"), filter,
                                   QStringLiteral("Alt.prj")),
             QStringLiteral("/Daten/Mein Projekt.prj"));
    FileChooser::folder(nullptr, QStringLiteral("Ordner"), QStringLiteral("/Daten"));

    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[0].kind, Kind::OpenFile);
    QCOMPARE(requests[0].caption, QStringLiteral("Projektdatei öffnen..."));
    QCOMPARE(requests[0].startFolder, QStringLiteral("/Daten"));
    QCOMPARE(requests[0].preselectedName, QStringLiteral("Alt.prj"));
    QCOMPARE(requests[0].filter, filter);
    QCOMPARE(requests[1].kind, Kind::Folder);
}

void FileChooserTest::cancelledFontKeepsFont()
{
    QFont font(QStringLiteral("Courier"), 10);
    const QFont before = font;
    {
        FileChooser::ScopedHandler handler([](const Request &request) {
            return request.fixedPitchOnly ? QString() : QStringLiteral("Sans,12,-1,5,400,0,0,0,0,0");
        });
        QVERIFY(!FileChooser::chooseFont(nullptr, QStringLiteral("Schriftart"), font, true));
        QCOMPARE(font, before);
        QVERIFY(FileChooser::chooseFont(nullptr, QStringLiteral("Schriftart"), font, false));
    }
    QCOMPARE(font.pointSize(), 12);
}

BREKKO_TEST_MAIN(FileChooserTest)
#include "FileChooserTest.moc"
