#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestZipWriter.h"
#include "ZipTestArchives.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "archive/zip/TUnzipForm.h"
#include "common/AppContext.h"
#include "common/ModalSeam.h"
#include "components/SortGrid.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <sys/stat.h>

using namespace ZipTestArchives;

class TUnzipFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsTheArchive();
    void reportsMissingAndBrokenArchives_data();
    void reportsMissingAndBrokenArchives();
    void extractsMarkedEntries();
    void cancelReturnsToTheListing();
    void markedEntriesPartlySkipped();
    void asksForThePassword();
    void refusedPasswordReturnsToTheListing();

private:
    QString makeArchive();
    QString makeLockedArchive();

    TestEnvironment *m_env = nullptr;
    MsgBoxRecorder *m_boxes = nullptr;
};

void TUnzipFormTest::init()
{
    m_env = new TestEnvironment;
    AppContext::setProgramDirectory(QStringLiteral(BREKKO_UNZIP_DIR "/"));
    m_boxes = new MsgBoxRecorder;
}

void TUnzipFormTest::cleanup()
{
    delete m_boxes;
    delete m_env;
}

// Ten entries: leer.txt (0 bytes), datei1.txt .. datei8.txt, gross.bin.
QString TUnzipFormTest::makeArchive()
{
    const QString src = m_env->makeFolder(QStringLiteral("src"));
    QStringList names{QStringLiteral("leer.txt")};
    writeFile(src + QStringLiteral("/leer.txt"), {});
    for (int i = 1; i <= 8; ++i) {
        names.append(QStringLiteral("datei%1.txt").arg(i));
        writeFile(src + QLatin1Char('/') + names.last(), sampleBytes(1000 * i, i));
    }
    names.append(QStringLiteral("gross.bin"));
    writeFile(src + QStringLiteral("/gross.bin"), sampleBytes(3000000, 9));
    const QString archive = m_env->path(QStringLiteral("Archiv.zip"));
    zip(src, QStringList{QStringLiteral("-0"), archive} + names);
    return archive;
}

void TUnzipFormTest::listsTheArchive()
{
    TUnzipForm form(nullptr, makeArchive());
    form.FormActivate();
    auto grid = child<SortGrid>(&form, "SortGrid");
    QCOMPARE(grid->rowCount(), 10);
    QCOMPARE(grid->cellText(0, 0), QStringLiteral("leer.txt"));
    QCOMPARE(grid->cellText(0, 3), QStringLiteral("0%"));
    QCOMPARE(grid->cellText(9, 1), QStringLiteral("3.000.000"));
    QCOMPARE(grid->cellText(9, 3), QStringLiteral("100%"));
    QVERIFY(child<QPushButton>(&form, "Button_Entpacken")->isEnabled());
    QCOMPARE(child<QLabel>(&form, "StatusPanel1")->text(), QStringLiteral("0 Objekt(e) markiert."));
    QCOMPARE(m_boxes->count(), 0);
}

void TUnzipFormTest::reportsMissingAndBrokenArchives_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("helpContext");
    QTest::newRow("empty path") << QString() << QByteArray() << 80450;
    QTest::newRow("missing") << QStringLiteral("Fehlt.zip") << QByteArray() << 80450;
    QTest::newRow("not an archive") << QStringLiteral("Kaputt.zip") << QByteArray(500, 'x') << 80460;
    QTest::newRow("named pipe") << QStringLiteral("Rohr.zip") << QByteArray("pipe") << 80460;
}

// The message names the path as it is: on Linux its case matters.
void TUnzipFormTest::reportsMissingAndBrokenArchives()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, helpContext);
    QString path;
    if (bytes == "pipe") {
        path = m_env->path(name);
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (!name.isEmpty()) {
        path = bytes.isEmpty() ? m_env->path(name) : m_env->writeFile(name, bytes);
    }
    TUnzipForm form(nullptr, path);
    m_boxes->answer(MsgBox::ResultOk);
    form.FormActivate();
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->last().helpContext, helpContext);
    QVERIFY(m_boxes->last().text.contains(QLatin1Char('"') + path + QLatin1Char('"')));
    QVERIFY(!child<QPushButton>(&form, "Button_Entpacken")->isEnabled());
    QVERIFY(!child<QPushButton>(&form, "Button_Testen")->isEnabled());
}

// The result compares the successes with the number of entries, marked or
// not: 3 of 10 marked and extracted leave 7 counted as skipped.
void TUnzipFormTest::extractsMarkedEntries()
{
    TUnzipForm form(nullptr, makeArchive());
    form.FormActivate();
    const QString target = m_env->path(QStringLiteral("ziel/neu"));
    child<QLineEdit>(&form, "Edit_ZielDir")->setText(target);
    child<QRadioButton>(&form, "RadioButton_MarkierteObjekte")->setChecked(true);
    QVERIFY(!child<QCheckBox>(&form, "CheckBox_InclusivSubdirs")->isEnabled());
    auto grid = child<SortGrid>(&form, "SortGrid");
    grid->selectRow(1);
    for (int row : {2, 3})
        grid->selectionModel()->select(grid->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    form.Button_Entpacken_OnClick();
    QCOMPARE(child<QLabel>(&form, "Label_Ergebnis")->text(),
             QStringLiteral("7 Objekte sind fehlerhaft oder wurden übersprungen !\rArchiv unvollständig entpackt..."));
    QCOMPARE(form.windowTitle(), QStringLiteral("Entpacken abgeschlossen."));
    QCOMPARE(QDir(target).entryList(QDir::Files),
             (QStringList{QStringLiteral("datei1.txt"), QStringLiteral("datei2.txt"), QStringLiteral("datei3.txt")}));

    child<QRadioButton>(&form, "RadioButton_AlleObjekte")->setChecked(true);
    form.Button_Testen_OnClick();
    QCOMPARE(child<QLabel>(&form, "Label_Ergebnis")->text(),
             QStringLiteral("Alle 10 Objekte wurden getestet.\rArchiv ist Okay..."));
}

void TUnzipFormTest::cancelReturnsToTheListing()
{
    TUnzipForm form(nullptr, makeArchive());
    form.FormActivate();
    const QString target = m_env->path(QStringLiteral("ziel"));
    child<QLineEdit>(&form, "Edit_ZielDir")->setText(target);
    auto previous = form.zipMaster().OnProgress;
    bool startable = true;
    form.zipMaster().OnProgress = [&](int type, const QString &name, qint32 size) {
        previous(type, name, size);
        startable = startable && child<QPushButton>(&form, "Button_Entpacken")->isEnabled();
        if (name == QLatin1String("gross.bin"))
            form.Button_CancelOperation_OnClick();
    };
    form.Button_Entpacken_OnClick();
    QVERIFY(!startable);
    QVERIFY(child<QPushButton>(&form, "Button_Entpacken")->isEnabled());
    QCOMPARE(form.windowTitle(), QStringLiteral("Unzip"));
    QVERIFY(child<QWidget>(&form, "Panel_Done")->isHidden());
    QVERIFY(!QFileInfo::exists(target + QStringLiteral("/gross.bin")));
    QCOMPARE(QDir(target).entryList(QDir::Files | QDir::Hidden).size(), 9);
}

// The skipped entries count as not extracted but bring no error box.
void TUnzipFormTest::markedEntriesPartlySkipped()
{
    TUnzipForm form(nullptr, makeArchive());
    form.FormActivate();
    const QString target = m_env->makeFolder(QStringLiteral("ziel"));
    for (int i = 1; i <= 7; ++i)
        QVERIFY(writeFile(target + QStringLiteral("/datei%1.txt").arg(i), "alt"));
    child<QLineEdit>(&form, "Edit_ZielDir")->setText(target);
    child<QRadioButton>(&form, "RadioButton_MarkierteObjekte")->setChecked(true);
    child<SortGrid>(&form, "SortGrid")->selectAll();
    form.Button_Entpacken_OnClick();
    QCOMPARE(child<QLabel>(&form, "Label_Ergebnis")->text(),
             QStringLiteral("7 Objekte sind fehlerhaft oder wurden übersprungen !\rArchiv unvollständig entpackt..."));
    QCOMPARE(m_boxes->count(), 0);
    QVERIFY(child<QPlainTextEdit>(&form, "RichEdit")->toPlainText().contains(QStringLiteral("datei7.txt")));
    QCOMPARE(FileBytes(target + QStringLiteral("/datei7.txt")), QByteArray("alt"));
    QCOMPARE(QFileInfo(target + QStringLiteral("/datei8.txt")).size(), 8000);
}

// a.txt and b.txt under the password "geheim".
QString TUnzipFormTest::makeLockedArchive()
{
    const QString src = m_env->makeFolder(QStringLiteral("src"));
    writeFile(src + QStringLiteral("/a.txt"), sampleBytes(5000));
    writeFile(src + QStringLiteral("/b.txt"), sampleBytes(800, 2));
    const QString archive = m_env->path(QStringLiteral("Geheim.zip"));
    zipAes(src, archive, QStringLiteral("geheim"), {QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    return archive;
}

void TUnzipFormTest::asksForThePassword()
{
    QStringList prompts;
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        prompts.append(input->windowTitle() + QLatin1Char('|') + input->labelText());
        input->setTextValue(prompts.size() == 1 ? QStringLiteral("falsch") : QStringLiteral("geheim"));
        return int(QDialog::Accepted);
    });
    TUnzipForm form(nullptr, makeLockedArchive());
    form.FormActivate();
    const QString target = m_env->path(QStringLiteral("ziel"));
    child<QLineEdit>(&form, "Edit_ZielDir")->setText(target);
    form.Button_Entpacken_OnClick();
    const QString prompt = QStringLiteral("Passwort...|Passwort benötigt von a.txt");
    QCOMPARE(prompts, (QStringList{prompt, prompt}));
    QCOMPARE(child<QLabel>(&form, "Label_Ergebnis")->text(),
             QStringLiteral("Alle 2 Objekte wurden erfolgreich entpackt..."));
    QCOMPARE(FileBytes(target + QStringLiteral("/b.txt")), sampleBytes(800, 2));

    form.Button_Ok_OnClick();
    form.Button_Testen_OnClick();
    QCOMPARE(prompts.size(), 2);
    QCOMPARE(child<QLabel>(&form, "Label_Ergebnis")->text(),
             QStringLiteral("Alle 2 Objekte wurden getestet.\rArchiv ist Okay..."));
    QCOMPARE(m_boxes->count(), 0);
}

void TUnzipFormTest::refusedPasswordReturnsToTheListing()
{
    int asked = 0;
    ModalSeam::ScopedHandler modal([&](QDialog *) {
        ++asked;
        return int(QDialog::Rejected);
    });
    TUnzipForm form(nullptr, makeLockedArchive());
    form.FormActivate();
    const QString target = m_env->makeFolder(QStringLiteral("ziel"));
    child<QLineEdit>(&form, "Edit_ZielDir")->setText(target);
    form.Button_Entpacken_OnClick();
    QCOMPARE(asked, 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("Unzip"));
    QVERIFY(child<QWidget>(&form, "Panel_Done")->isHidden());
    QCOMPARE(QDir(target).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(m_boxes->count(), 0);
}

BREKKO_TEST_MAIN(TUnzipFormTest)
#include "TUnzipFormTest.moc"
