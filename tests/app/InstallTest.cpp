#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/settings/SettingsReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Installs the build into a temporary prefix and checks the installed
// program, its data files and the desktop integration.
class InstallTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void filesLieWhereTheDesktopLooks_data();
    void filesLieWhereTheDesktopLooks();
    void installedProgramFindsItsFiles_data();
    void installedProgramFindsItsFiles();
    void installedCatalogueChecksClean();
    void installedProgramStartsOnTheCatalogue();
    void desktopEntryIsValid();
    void mimeTypesRecogniseTheHeaderLines_data();
    void mimeTypesRecogniseTheHeaderLines();

private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }

    QTemporaryDir m_prefix;
    QTemporaryDir m_empty;
    QTemporaryDir m_files;
};

void InstallTest::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_empty.isValid() && m_files.isValid());
    QProcess install;
    install.start(QStringLiteral(BREKKO_CMAKE_COMMAND), {QStringLiteral("--install"), QStringLiteral(BREKKO_BINARY_DIR),
                                                         QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());

    // Nothing of the user's or the system's may be found instead.
    qputenv("XDG_CONFIG_HOME", m_empty.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_empty.path().toLocal8Bit());
    qputenv("XDG_DATA_DIRS", installed(QStringLiteral("share")).toLocal8Bit());
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        const int status =
            QProcess::execute(QStringLiteral("update-mime-database"), {installed(QStringLiteral("share/mime"))});
        QCOMPARE(status, 0);
    }
}

void InstallTest::filesLieWhereTheDesktopLooks_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file :
         {"bin/brekko", "bin/libbrekko_unzip.so", "share/applications/brekko.desktop", "share/mime/packages/brekko.xml",
          "share/icons/hicolor/48x48/apps/brekko.png", "share/icons/hicolor/256x256/apps/brekko.png",
          "share/icons/hicolor/48x48/mimetypes/application-x-brekko-project.png",
          "share/icons/hicolor/48x48/mimetypes/application-x-brekko-macro.png",
          "share/brekko/examples/Makros/Beispiel.mkr"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

void InstallTest::filesLieWhereTheDesktopLooks()
{
    QFETCH(QString, file);
    QVERIFY2(QFileInfo(installed(file)).isFile(), qPrintable(installed(file)));
}

void InstallTest::installedProgramFindsItsFiles_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const QString bin = installed(QStringLiteral("bin"));
    // A program started from a folder of its own (a link in /usr/bin, say)
    // finds the data folder through XDG_DATA_DIRS.
    const QString elsewhere = m_empty.path();
    QTest::newRow("settings beside bin") << bin << "Brekko.ini"
                                         << "share/brekko/Brekko.ini";
    QTest::newRow("help beside bin") << bin << "Brekko.hlp"
                                     << "share/brekko/Brekko.html";
    QTest::newRow("settings through data dirs") << elsewhere << "Brekko.ini"
                                                << "share/brekko/Brekko.ini";
    QTest::newRow("help through data dirs") << elsewhere << "Brekko.hlp"
                                            << "share/brekko/Brekko.html";
}

void InstallTest::installedProgramFindsItsFiles()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    AppContext::setProgramDirectory(programFolder);
    const QString found = LocateProgramFile(name);
    QCOMPARE(QFileInfo(found).canonicalFilePath(), QFileInfo(installed(expected)).canonicalFilePath());
    QVERIFY(!found.isEmpty());
}

void InstallTest::installedCatalogueChecksClean()
{
    QProcess check;
    check.start(installed(QStringLiteral("bin/brekko")),
                {QStringLiteral("--check"), installed(QStringLiteral("share/brekko/examples/Beispiel.prj"))});
    QVERIFY(check.waitForFinished(30000));
    QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
}

void InstallTest::installedProgramStartsOnTheCatalogue()
{
    QProcess program;
    program.setWorkingDirectory(m_empty.path());
    program.start(installed(QStringLiteral("bin/brekko")),
                  {installed(QStringLiteral("share/brekko/examples/Beispiel.prj"))});
    QVERIFY(program.waitForStarted(10000));
    QVERIFY2(!program.waitForFinished(3000), program.readAllStandardError().constData());
    program.kill();
    program.waitForFinished(5000);
}

void InstallTest::desktopEntryIsValid()
{
    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validate.isEmpty())
        QSKIP("desktop-file-validate is not installed (package desktop-file-utils)");
    QProcess process;
    process.start(validate, {installed(QStringLiteral("share/applications/brekko.desktop"))});
    QVERIFY(process.waitForFinished(10000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardOutput().constData());
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
}

void InstallTest::mimeTypesRecogniseTheHeaderLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");
    const QByteArray bom("\xEF\xBB\xBF");
    QTest::newRow("project by header") << "katalog" << QByteArray("<Talvoren V4 Projektdatei>\r\n\r\n")
                                       << "application/x-brekko-project";
    QTest::newRow("project with byte-order mark") << "katalog2" << bom + "<Talvoren V4 Projektdatei>\r\n"
                                                  << "application/x-brekko-project";
    QTest::newRow("macro by header") << "ablauf" << QByteArray("<Talvoren V4 Makrodatei>\r\nEXE x\r\n")
                                     << "application/x-brekko-macro";
    QTest::newRow("settings by header") << "einstellungen" << QByteArray("<Talvoren V4 Ini-Datei>\n\n")
                                        << "application/x-brekko-settings";
    QTest::newRow("project by name") << "leer.prj" << QByteArray() << "application/x-brekko-project";
    QTest::newRow("macro by name") << "leer.mkr" << QByteArray() << "application/x-brekko-macro";
}

void InstallTest::mimeTypesRecogniseTheHeaderLines()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    QFile file(QDir(m_files.path()).filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(QMimeDatabase().mimeTypeForFile(file.fileName()).name(), type);
}

BREKKO_TEST_MAIN(InstallTest)
#include "InstallTest.moc"
