#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "app/TAutoOpenForm.h"
#include "common/AppContext.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "components/SortGrid.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray projectText(const QByteArray &name, int entries)
{
    QByteArray text = "<Talvoren V4 Projektdatei>\r\nProjekt=" + name + "\r\n";
    for (int i = 0; i < entries; ++i)
        text += "Item New\r\nItem Done\r\n";
    return text;
}

QStringList column(const SortGrid *grid, int col)
{
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row)
        cells.append(grid->cellText(row, col));
    return cells;
}

int textWidth(const SortGrid *grid, int row, int col)
{
    return grid->fontMetrics().horizontalAdvance(grid->cellText(row, col));
}

// Three roots: one with two projects, one without any, one that is missing.
QStringList makeDrives(const TestEnvironment &env)
{
    env.writeFile(QStringLiteral("d1/Kleiner.prj"), projectText("Klein", 9));
    env.writeFile(QStringLiteral("d1/groesser.prj"), projectText("Gross", 10));
    env.writeFile(QStringLiteral("d1/falsch.prj"), "kein Kopf\r\n");
    env.writeFile(QStringLiteral("leer/notiz.txt"), "x");
    return {env.path(QStringLiteral("leer")), env.path(QStringLiteral("d1")), env.path(QStringLiteral("fehlt"))};
}

} // namespace

class TAutoOpenFormTest : public QObject {
    Q_OBJECT

private slots:
    void listsAndOpens()
    {
        TestEnvironment env;
        const QStringList drives = makeDrives(env);
        MsgBoxRecorder recorder;
        QString seenLabel1;
        ModalSeam::ScopedHandler seam([&](QDialog *dialog) {
            auto *form = qobject_cast<TAutoOpenForm *>(dialog);
            if (!form)
                return -1;
            seenLabel1 = labelText(form, "Label1");
            form->runSearch();
            auto *grid = form->findChild<SortGrid *>(QStringLiteral("SortGrid"));
            if (labelText(form, "Label2") != QStringLiteral("2 Datei(en) gefunden.")
                || labelText(form, "Label1")
                       != QStringLiteral("Folgend sind alle gefundenen Brekko-Projektdateien aufgelistet.")
                || grid->selectedRow() != 0 || !child(form, "Button_Oeffnen")->isEnabled()
                || !form->findChild<QComboBox *>(QStringLiteral("DriveComboBox"))->isVisible())
                return -2;
            // Counts sort as numbers, names without regard to case.
            grid->sortRows(3, Qt::AscendingOrder);
            if (column(grid, 3) != QStringList{QStringLiteral("9"), QStringLiteral("10")})
                return -3;
            grid->sortRows(1, Qt::DescendingOrder);
            if (column(grid, 1) != QStringList{QStringLiteral("Kleiner.prj"), QStringLiteral("groesser.prj")})
                return -4;
            grid->showRow(1);
            child(form, "Button_Oeffnen")->click();
            return form->result();
        });
        QCOMPARE(ChooseProjectFileOnDrives(drives, nullptr), env.path(QStringLiteral("d1/groesser.prj")));
        QCOMPARE(seenLabel1, QStringLiteral("Stammverzeichnis der Laufwerke werden nach Brekko-Projektdateien "
                                            "durchsucht. Bitte warten..."));
        QCOMPARE(recorder.count(), 0);
    }

    void gridShowsTheSixColumns()
    {
        TestEnvironment env;
        const QStringList drives = makeDrives(env);
        TAutoOpenForm form(drives);
        form.runSearch();
        auto *grid = form.findChild<SortGrid *>(QStringLiteral("SortGrid"));
        QCOMPARE(grid->columnCount(), 6);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Datei:"));
        QCOMPARE(grid->horizontalHeaderItem(5)->text(), QStringLiteral("Attribute:"));
        QCOMPARE(column(grid, 0), QStringList(2, drives.at(1)));
        QCOMPARE(column(grid, 1), (QStringList{QStringLiteral("Kleiner.prj"), QStringLiteral("groesser.prj")}));
        QCOMPARE(column(grid, 2), (QStringList{QStringLiteral("Klein"), QStringLiteral("Gross")}));
        QVERIFY(QDateTime::fromString(grid->cellText(0, 4), QStringLiteral("dd.MM.yyyy HH:mm:ss")).isValid());
        QVERIFY(!child(&form, "Button_Hilfe")->isEnabled());
    }

    // Headers and cells are shown whole; a long mount path is elided in the
    // middle and shown whole as tool tip; the window opens wide enough for
    // all six columns.
    void columnsFitTheirContents()
    {
        TestEnvironment env;
        const QString drive = env.makeFolder(QStringLiteral("media/benutzer/EIN-RECHT-LANGER-DATENTRAEGERNAME"));
        env.writeFile(QStringLiteral("media/benutzer/EIN-RECHT-LANGER-DATENTRAEGERNAME/katalog.prj"),
                      projectText("Ein Projektname, der breiter ist als zweihundert Bildpunkte", 1));
        TAutoOpenForm form({drive});
        auto *grid = form.findChild<SortGrid *>(QStringLiteral("SortGrid"));
        form.show();
        QVERIFY(grid->horizontalHeader()->length() <= grid->viewport()->width());

        form.runSearch();
        const int minimum[] = {20, 100, 200, 90, 100, 180};
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QByteArray name = QByteArray::number(column);
            QVERIFY2(grid->columnWidth(column) >= minimum[column], name);
            QVERIFY2(grid->columnWidth(column) >= grid->horizontalHeader()->sectionSizeHint(column), name);
            if (column != 0)
                QVERIFY2(grid->columnWidth(column) > textWidth(grid, 0, column), name);
        }
        QCOMPARE(grid->textElideMode(), Qt::ElideMiddle);
        QVERIFY(grid->columnWidth(0) < textWidth(grid, 0, 0));
        QCOMPARE(grid->item(0, 0)->toolTip(), drive);
    }

    void nothingFound()
    {
        TestEnvironment env;
        env.writeFile(QStringLiteral("leer/alt.prj"), "kein Kopf\r\n");
        TAutoOpenForm form({env.path(QStringLiteral("leer")), env.path(QStringLiteral("fehlt"))});
        form.runSearch();
        QCOMPARE(labelText(&form, "Label1"), QStringLiteral("Keine Brekko-Projektdatei gefunden..."));
        QCOMPARE(labelText(&form, "Label2"), QStringLiteral("0 Datei(en) gefunden."));
        QVERIFY(!child(&form, "Button_Oeffnen")->isEnabled());
        QVERIFY(!child(&form, "Button_Durchsuchen")->isEnabled());
        QVERIFY(child(&form, "Button_Abbrechen")->isEnabled());
    }

    void browseStartsAtTheRowsDrive()
    {
        TestEnvironment env;
        const QStringList drives = makeDrives(env);
        const QString other = env.writeFile(QStringLiteral("anderswo/x.prj"), projectText("X", 1));
        FileChooser::Request seen;
        FileChooser::ScopedHandler chooser([&](const FileChooser::Request &request) {
            seen = request;
            return other;
        });
        TAutoOpenForm form(drives);
        form.runSearch();
        child(&form, "Button_Durchsuchen")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.chosenFile(), other);
        QCOMPARE(seen.caption, QStringLiteral("Projektdatei auswählen..."));
        QCOMPARE(seen.startFolder, drives.at(1));
        QCOMPARE(seen.preselectedName, QStringLiteral("Kleiner.prj"));
        QCOMPARE(seen.filter, QStringLiteral("Projektdateien [*.prj]|*.prj|Alle Dateien [*.*]|*.*"));
    }

    void driveListJumpsToTheFirstRowOfADrive()
    {
        TestEnvironment env;
        env.writeFile(QStringLiteral("a/eins.prj"), projectText("A", 1));
        env.writeFile(QStringLiteral("b/zwei.prj"), projectText("B", 1));
        env.writeFile(QStringLiteral("b/drei.prj"), projectText("B", 1));
        TAutoOpenForm form({env.path(QStringLiteral("a")), env.path(QStringLiteral("b"))});
        form.runSearch();
        auto *drives = form.findChild<QComboBox *>(QStringLiteral("DriveComboBox"));
        drives->setCurrentIndex(1);
        emit drives->activated(1);
        auto *grid = form.findChild<SortGrid *>(QStringLiteral("SortGrid"));
        QCOMPARE(grid->selectedRow(), 1);
        QCOMPARE(grid->cellText(1, 1), QStringLiteral("drei.prj"));
    }

    void cancelDuringTheSearch()
    {
        TestEnvironment env;
        env.writeFile(QStringLiteral("a/eins.prj"), projectText("A", 1));
        env.writeFile(QStringLiteral("b/zwei.prj"), projectText("B", 1));
        TAutoOpenForm form({env.path(QStringLiteral("a")), env.path(QStringLiteral("b"))});
        auto *grid = form.findChild<SortGrid *>(QStringLiteral("SortGrid"));
        connect(grid->model(), &QAbstractItemModel::rowsInserted, &form, [&form] {
            QMetaObject::invokeMethod(child(&form, "Button_Abbrechen"), &QPushButton::click, Qt::QueuedConnection);
        });
        form.runSearch();
        QVERIFY(form.searchFinished());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(grid->rowCount(), 1);
        QVERIFY(form.chosenFile().isEmpty());
    }
};

BREKKO_TEST_MAIN(TAutoOpenFormTest)
#include "TAutoOpenFormTest.moc"
