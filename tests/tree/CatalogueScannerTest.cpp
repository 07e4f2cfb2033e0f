#include "CatalogueFixture.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/CommandLinePaths.h"
#include "platform/FileSystem.h"
#include "platform/Volumes.h"
#include "tree/scan/CatalogueScanner.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

// The scan of a medium on a file system of its own: what it proposes, what
// it never touches, and the command lines it stores.
class CatalogueScannerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init();
    void cleanup();
    void proposesTheMedium();
    void commandLinesAsTheEntryDialogStoresThem();
    void launcherAndFileComments();
    void hiddenFilesOnlyWhenAsked();
    void existingEntriesAreLeftOut();
    void cancelStopsTheScan();
    void lockedFolderIsAnError();

private:
    CatalogueScan scan(const CatalogueOptions &options, const OperationObserver &observer = {}) const;
    const CatalogueItem *find(const CatalogueItem &item, const QString &title) const;

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<ScratchMount> m_medium;
    QString m_drive;
};

void CatalogueScannerTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_medium = std::make_unique<ScratchMount>(2048);
    REQUIRE_MOUNT(*m_medium);
    CatalogueFixture::makeMedium(m_medium->path(), m_env->makeFolder(QStringLiteral("outside")));
    // The links out must lead somewhere an ordinary user can look.
    QFile::setPermissions(m_env->root(), QFile::permissions(m_env->root()) | QFile::ExeOther | QFile::ExeGroup);
    Volumes::setRootsForTesting({});
    m_drive = Volumes::volumeOf(m_medium->path());
    QCOMPARE(m_drive, m_medium->path());
}

void CatalogueScannerTest::cleanup()
{
    m_medium.reset();
    m_env.reset();
}

CatalogueScan CatalogueScannerTest::scan(const CatalogueOptions &options, const OperationObserver &observer) const
{
    // The locked folder is locked for root too.
    const CatalogueFixture::OrdinaryUser ordinary;
    return ScanForCatalogue(m_medium->path(), options, observer);
}

const CatalogueItem *CatalogueScannerTest::find(const CatalogueItem &item, const QString &title) const
{
    for (const auto &child : item.children()) {
        if (child->title == title)
            return child.get();
        if (const CatalogueItem *found = find(*child, title))
            return found;
    }
    return nullptr;
}

void CatalogueScannerTest::proposesTheMedium()
{
    CatalogueOptions options;
    options.drive = m_drive;
    const CatalogueScan result = scan(options);
    QVERIFY(result.error.isEmpty());
    // A program on the search path is found there.
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sh"));
    QCOMPARE(CatalogueFixture::shape(*result.root),
             QStringList({
                 "Archive | 2 | \\Archive",
                 "  daten.bin | 4 | \\Archive\\daten.bin",
                 "  paket.zip | 3 | \\Archive\\paket.zip",
                 "  sicherung | 3 | \\Archive\\sicherung",
                 "Dokumente | 2 | \\Dokumente",
                 "  Tief | 2 | \\Dokumente\\Tief",
                 "    Ebene2 | 2 | \\Dokumente\\Tief\\Ebene2",
                 "      Ebene3 | 2 | \\Dokumente\\Tief\\Ebene2\\Ebene3",
                 "        tief.txt | 1 | \\Dokumente\\Tief\\Ebene2\\Ebene3\\tief.txt",
                 "  Bericht.pdf | 1 | \\Dokumente\\Bericht.pdf",
                 "  LIESMICH | 1 | \\Dokumente\\LIESMICH",
                 "  liesmich.txt | 1 | \\Dokumente\\liesmich.txt",
                 "Leer | 2 | \\Leer",
                 "Makros | 2 | \\Makros",
                 "  kein-makro.mkr | 1 | \\Makros\\kein-makro.mkr",
                 "  start.mkr | 5 | \\Makros\\start.mkr",
                 "  umbenannt | 5 | \\Makros\\umbenannt",
                 "Programme | 2 | \\Programme",
                 "  bin | 2 | \\Programme\\bin",
                 "    werkzeug | 1 | \\Programme\\bin\\werkzeug | -",
                 "  Fehlt | 1 | gibtesnicht | -",
                 "  Ohne Symbol | 1 | \\Programme\\Mein Programm.AppImage",
                 "  Shell | 1 | " + shell + " -c true",
                 "  Werkzeug | 1 | \\Programme\\bin\\werkzeug --start",
                 "  ALT.COM | 1 | \\Programme\\ALT.COM",
                 "  INSTALL.BAT | 1 | \\Programme\\INSTALL.BAT",
                 "  Mein Programm.AppImage | 1 | \\Programme\\Mein Programm.AppImage | -",
                 "  SETUP.EXE | 1 | \\Programme\\SETUP.EXE",
                 "  werkzeug.png | 1 | \\Programme\\werkzeug.png",
                 "Skripte | 2 | \\Skripte",
                 "  hallo | 1 | \\Skripte\\hallo",
                 "  notiz.sh | 1 | \\Skripte\\notiz.sh",
                 "  start.sh | 1 | \\Skripte\\start.sh",
                 "verweis.txt | 1 | \\verweis.txt",
             }));
    QStringList skipped;
    for (const CatalogueSkip &skip : result.skipped)
        skipped.append(QDir(m_medium->path()).relativeFilePath(skip.path) + QStringLiteral(": ") + skip.reason);
    skipped.sort();
    const QString unstorable = QStringLiteral(": Name nicht speicherbar");
    QCOMPARE(skipped, QStringList({"Dokumente/Notiz " + unstorable, "Dokumente/a\\b.txt" + unstorable,
                                   "Dokumente/kaputt" + QFile::decodeName("\xff") + ".txt" + unstorable,
                                   "Gesperrt: Zugriff verweigert", "raus.txt: Verknüpfung führt aus dem Ordner hinaus",
                                   "raus: Verknüpfung führt aus dem Ordner hinaus"}));
    QCOMPARE(find(*result.root, QStringLiteral("notiz.sh"))->kind, CatalogueKind::Document);
}

// Every file and folder is stored as ShortenCommandLine stores what the
// entry dialog was given; on another volume the full path stays.
void CatalogueScannerTest::commandLinesAsTheEntryDialogStoresThem()
{
    for (const QString &drive : {m_drive, m_env->addVolume(QStringLiteral("elsewhere"))}) {
        CatalogueOptions options;
        options.drive = drive;
        const CatalogueScan result = scan(options);
        std::vector<const CatalogueItem *> pending{result.root.get()};
        int compared = 0;
        while (!pending.empty()) {
            const CatalogueItem *item = pending.back();
            pending.pop_back();
            for (const auto &child : item->children()) {
                pending.push_back(child.get());
                if (child->kind == CatalogueKind::Desktop)
                    continue;
                const QString full =
                    drive == m_drive
                        ? Volumes::joinOnVolume(m_drive, FileSystem::toFileSystemPath(child->command.mid(1)))
                        : child->command;
                QVERIFY2(full.startsWith(m_medium->path() + QLatin1Char('/')), qPrintable(full));
                QString shortened = full;
                ShortenCommandLine(drive, shortened);
                QCOMPARE(child->command, shortened);
                ++compared;
            }
        }
        QCOMPARE(compared, 30);
    }
}

void CatalogueScannerTest::launcherAndFileComments()
{
    CatalogueOptions options;
    options.drive = m_drive;
    const CatalogueScan result = scan(options);
    const CatalogueItem *launcher = find(*result.root, QStringLiteral("Werkzeug"));
    QCOMPARE(launcher->comment(), QStringList{QStringLiteral("Ein Werkzeug")});
    QCOMPARE(launcher->iconFile, m_medium->path(QStringLiteral("Programme/werkzeug.png")));
    QVERIFY(find(*result.root, QStringLiteral("Ohne Symbol"))->iconFile.isEmpty());

    const QStringList comment = find(*result.root, QStringLiteral("liesmich.txt"))->comment();
    QCOMPARE(comment.size(), 3);
    QCOMPARE(comment.at(0), QStringLiteral("Typ: Einfaches Textdokument"));
    QCOMPARE(comment.at(1), QStringLiteral("Größe: 1.234 Bytes"));
    QVERIFY(QRegularExpression(QStringLiteral("^Datum: \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$"))
                .match(comment.at(2))
                .hasMatch());
    QCOMPARE(find(*result.root, QStringLiteral("Ohne Symbol"))->comment().first(),
             QStringLiteral("Typ: Desktop-Verknüpfung"));
    QCOMPARE(find(*result.root, QStringLiteral("Leer"))->comment().first(), QStringLiteral("Typ: Ordner"));
}

void CatalogueScannerTest::hiddenFilesOnlyWhenAsked()
{
    CatalogueOptions options;
    options.drive = m_drive;
    options.includeHidden = true;
    options.withIcons = false;
    const CatalogueScan result = scan(options);
    QVERIFY(find(*result.root, QStringLiteral(".versteckt.txt")));
    QVERIFY(find(*result.root, QStringLiteral("Werkzeug"))->iconFile.isEmpty());
}

// A folder the project has gives way to its contents; a file it has goes.
void CatalogueScannerTest::existingEntriesAreLeftOut()
{
    CatalogueOptions options;
    options.drive = m_drive;
    options.existingCommands = {m_medium->path(QStringLiteral("Archive")),
                                m_medium->path(QStringLiteral("Dokumente/Bericht.pdf")),
                                m_medium->path(QStringLiteral("Programme/bin/werkzeug")) + QStringLiteral(" --start")};
    options.leftOut = {m_medium->path(QStringLiteral("Makros"))};
    const CatalogueScan result = scan(options);
    QCOMPARE(result.duplicates, 3);
    const QStringList lines = CatalogueFixture::shape(*result.root);
    QCOMPARE(lines.mid(0, 4),
             QStringList({"daten.bin | 4 | \\Archive\\daten.bin", "paket.zip | 3 | \\Archive\\paket.zip",
                          "sicherung | 3 | \\Archive\\sicherung", "Dokumente | 2 | \\Dokumente"}));
    QVERIFY(!find(*result.root, QStringLiteral("Bericht.pdf")));
    QVERIFY(!find(*result.root, QStringLiteral("Werkzeug")));
    QVERIFY(!find(*result.root, QStringLiteral("Makros")));
}

void CatalogueScannerTest::cancelStopsTheScan()
{
    CatalogueOptions options;
    options.drive = m_drive;
    int asked = 0;
    QStringList folders;
    OperationObserver observer;
    observer.keepGoing = [&asked] { return ++asked < 5; };
    observer.status = [&folders](const QString &folder) { folders.append(folder); };
    observer.runPendingEvents = [] {};
    const CatalogueScan result = scan(options, observer);
    QVERIFY(result.cancelled);
    QCOMPARE(asked, 5);
    QCOMPARE(folders, QStringList{m_medium->path()});
}

// The chosen folder itself locked: an error, not an empty proposal.
void CatalogueScannerTest::lockedFolderIsAnError()
{
    CatalogueOptions options;
    options.drive = m_drive;
    const CatalogueFixture::OrdinaryUser ordinary;
    const CatalogueScan result = ScanForCatalogue(m_medium->path(QStringLiteral("Gesperrt")), options);
    QCOMPARE(result.error, QStringLiteral("Zugriff verweigert"));
    QCOMPARE(result.root->childCount(), 0);
}

BREKKO_TEST_MAIN(CatalogueScannerTest)
#include "CatalogueScannerTest.moc"
