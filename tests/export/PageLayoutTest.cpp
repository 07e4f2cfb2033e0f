#include "export/print/PageLayout.h"
#include "TestRegistry.h"
#include "common/settings/Settings.h"
#include "export/print/HeaderCodes.h"
#include "export/print/PageFormats.h"
#include "export/print/PrintTextLines.h"
#include "project/Project.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QTest>

class PageLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void formatMargins_data();
    void formatMargins();
    void printSequence_data();
    void printSequence();
    void setTimeCodes_data();
    void setTimeCodes();
    void pageSections_data();
    void pageSections();
    void wrapping_data();
    void wrapping();
    void wrappedRowsFitTheirWidth_data();
    void wrappedRowsFitTheirWidth();
    void glyphsFollowTheLayoutFont();
    void glyphCoverage_data();
    void glyphCoverage();
    void pagesFollowRowsAndHeader();
    void degeneratePagesStillEnd();
    void cancelledLayoutIsEmpty();
    void printLinesOfParentAndChild();
};

void PageLayoutTest::formatMargins_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<double>("paperWidth");
    QTest::addColumn<double>("paperHeight");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::newRow("whole page") << int(FormatWholePage) << 210.0 << 297.0 << 7 << 10;
    QTest::newRow("custom 120 x 60") << int(FormatCustom) << 210.0 << 297.0 << 97 << 247;
    QTest::newRow("zip on A4") << int(FormatZip) << 210.0 << 297.0 << 145 << 254;
    QTest::newRow("cd on A4") << int(FormatCd) << 210.0 << 297.0 << 96 << 187;
    QTest::newRow("paper width rounded first") << int(FormatZip) << 209.6 << 296.8 << 145 << 254;
    QTest::newRow("format as wide as paper") << int(FormatCd) << 121.0 << 300.0 << 7 << 190;
    QTest::newRow("format larger than paper") << int(FormatCd) << 100.0 << 100.0 << 7 << 10;
}

void PageLayoutTest::formatMargins()
{
    QFETCH(int, format);
    QFETCH(double, paperWidth);
    QFETCH(double, paperHeight);
    QFETCH(int, right);
    QFETCH(int, bottom);
    const FormatMargins margins = MarginsForFormat(format, paperWidth, paperHeight, 120, 60);
    QCOMPARE(margins.left, 7);
    QCOMPARE(margins.top, 10);
    QCOMPARE(margins.right, right);
    QCOMPARE(margins.bottom, bottom);
}

void PageLayoutTest::printSequence_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("collate");
    QTest::addColumn<std::vector<int>>("expected");
    QTest::newRow("collated copies") << 1 << 3 << 5 << 2 << true << std::vector<int>{1, 2, 3, 1, 2, 3};
    QTest::newRow("uncollated copies") << 2 << 3 << 5 << 2 << false << std::vector<int>{2, 2, 3, 3};
    QTest::newRow("zero bounds mean first and last") << 0 << 0 << 3 << 1 << true << std::vector<int>{1, 2, 3};
    QTest::newRow("range beyond page count") << 2 << 99 << 3 << 1 << true << std::vector<int>{2, 3};
    QTest::newRow("no pages prints nothing") << 1 << 1 << 0 << 3 << true << std::vector<int>{};
}

void PageLayoutTest::printSequence()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, count);
    QFETCH(int, copies);
    QFETCH(bool, collate);
    QFETCH(std::vector<int>, expected);
    QCOMPARE(PrintSequence(from, to, count, copies, collate), expected);
}

void PageLayoutTest::setTimeCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("file name without folder") << "&f"
                                              << "/tmp/out.pdf"
                                              << "out.pdf";
    QTest::newRow("file name with folder") << "&F"
                                           << "/tmp/out.pdf"
                                           << "/tmp/out.pdf";
    QTest::newRow("empty file name is one blank") << "[&f]"
                                                  << ""
                                                  << "[ ]";
    QTest::newRow("ampersand in a value stays literal") << "&f"
                                                        << "/tmp/a&p.pdf"
                                                        << "a&&p.pdf";
    QTest::newRow("page and alignment codes wait") << "&c&p &i &&x"
                                                   << ""
                                                   << "&c&p &i &&x";
    QTest::newRow("date short") << "&d"
                                << ""
                                << "05.03.99";
    QTest::newRow("time short") << "&t"
                                << ""
                                << "08:07";
}

void PageLayoutTest::setTimeCodes()
{
    QFETCH(QString, text);
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDateTime now(QDate(1999, 3, 5), QTime(8, 7, 9));
    QCOMPARE(ExpandSetTimeCodes(text, fileName, now), expected);
}

void PageLayoutTest::pageSections_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("centre");
    QTest::addColumn<QString>("right");
    QTest::newRow("left by default") << "Seite &p"
                                     << "Seite 7"
                                     << ""
                                     << "";
    QTest::newRow("three parts") << "a&cb&rc"
                                 << "a"
                                 << "b"
                                 << "c";
    QTest::newRow("back to the left") << "a&rc&lb"
                                      << "ab"
                                      << ""
                                      << "c";
    QTest::newRow("unknown code and empty title") << "&x|&i"
                                                  << " | "
                                                  << ""
                                                  << "";
    QTest::newRow("double ampersand") << "A&&B"
                                      << "A&B"
                                      << ""
                                      << "";
    QTest::newRow("trailing ampersand") << "A&"
                                        << "A "
                                        << ""
                                        << "";
}

void PageLayoutTest::pageSections()
{
    QFETCH(QString, text);
    QFETCH(QString, left);
    QFETCH(QString, centre);
    QFETCH(QString, right);
    QCOMPARE(PageHeaderSections(text, 7, QString()), (HeaderSections{left, centre, right}));
}

void PageLayoutTest::wrapping_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("fits") << "abc def" << 10 << QStringList{"abc def"};
    QTest::newRow("breaks after the blank") << "abc def ghi" << 8 << QStringList{"abc def ", "ghi"};
    QTest::newRow("cuts a word longer than the row") << "abcdefghij" << 4 << QStringList{"abcd", "efgh", "ij"};
    QTest::newRow("narrower than one character") << "abc" << 0 << QStringList{"a", "b", "c"};
    QTest::newRow("empty line stays") << "" << 5 << QStringList{""};
}

void PageLayoutTest::wrapping()
{
    QFETCH(QString, line);
    QFETCH(int, columns);
    QFETCH(QStringList, expected);
    const QFontMetricsF metrics(LayoutFont(DefaultPrintFont()));
    const double advance = metrics.horizontalAdvance(QLatin1Char('x'));
    QCOMPARE(WrapLine(line, metrics, columns * advance + advance / 4), expected);
}

// Rows are measured from a table of character widths where the text allows
// it; as drawn, no row is wider than the body.
void PageLayoutTest::wrappedRowsFitTheirWidth_data()
{
    QTest::addColumn<bool>("fixedPitch");
    QTest::addColumn<QString>("line");
    const QString words = QStringLiteral("Größere Übersicht über alle Einträge, Befehle & Kommentare; 1.234,5 €? ");
    for (bool fixed : {true, false}) {
        const char *font = fixed ? "fixed pitch, " : "proportional, ";
        QTest::addRow("%sLatin-1 words", font) << fixed << words.repeated(12).remove(QChar(0x20ac));
        QTest::addRow("%sone long word", font) << fixed << QStringLiteral("WiWiWiWi").repeated(60);
        QTest::addRow("%sother scripts", font) << fixed << (words + QStringLiteral("→ Ωμέγα ")).repeated(10);
    }
}

void PageLayoutTest::wrappedRowsFitTheirWidth()
{
    QFETCH(bool, fixedPitch);
    QFETCH(QString, line);
    QFont font = fixedPitch ? DefaultPrintFont() : QFont(QStringLiteral("Sans Serif"), 10);
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    PageSetup setup;
    setup.font = font;
    setup.marginRight = 150;
    PageLayout layout;
    QVERIFY(layout.layOut({line}, setup));
    const QStringList rows = layout.rowsOfPage(1);
    QVERIFY(rows.size() > 1);
    QCOMPARE(rows.join(QString()), line);
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(kLayoutDpi / 25.4 * 1000.0));
    device.setDotsPerMeterY(device.dotsPerMeterX());
    const QFontMetricsF drawn(LayoutFont(font), &device);
    const double width = MmToLayout(layout.geometry().bodyRight - layout.geometry().bodyLeft);
    for (const QString &row : rows) {
        QString visible = row;
        while (visible.endsWith(QLatin1Char(' ')))
            visible.chop(1);
        QVERIFY2(drawn.horizontalAdvance(visible) <= width + 0.5, qPrintable(row));
    }
}

// Rows are drawn from the layout's glyph table; a new font lays out anew
// and its glyphs stand where the layout measured the characters.
void PageLayoutTest::glyphsFollowTheLayoutFont()
{
    const QString text = QStringLiteral("Größe: 1.234,5 WiWi");
    PageLayout layout;
    PageSetup setup;
    for (const QFont &font : {DefaultPrintFont(), QFont(QStringLiteral("DejaVu Serif"), 14)}) {
        setup.font = font;
        QVERIFY(layout.layOut({text}, setup));
        const GlyphTable &glyphs = layout.glyphs();
        QCOMPARE(glyphs.font().familyName(), QFontInfo(LayoutFont(font)).family());
        QCOMPARE(glyphs.font().pixelSize(), LayoutFont(font).pixelSize());
        QVERIFY(glyphs.covers(text));
        QList<quint32> indexes;
        QList<QPointF> positions;
        glyphs.append(text, QPointF(10, 20), indexes, positions);
        QCOMPARE(indexes, glyphs.font().glyphIndexesForString(text));
        for (qsizetype i = 0; i < text.size(); ++i) {
            QCOMPARE(positions.at(i).y(), 20.0);
            QVERIFY(qAbs(positions.at(i).x() - 10 - layout.measure().width(QStringView(text).left(i))) < 1e-6);
        }
    }
}

// Rows the table does not cover are drawn as text: other characters, and
// fonts whose decoration or spacing a glyph run would lose.
void PageLayoutTest::glyphCoverage_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("covered");
    const QFont plain = LayoutFont(DefaultPrintFont());
    QFont underlined = plain;
    underlined.setUnderline(true);
    QFont struck = plain;
    struck.setStrikeOut(true);
    QFont spaced = plain;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    QFont capitals = plain;
    capitals.setCapitalization(QFont::AllUppercase);
    QTest::newRow("Latin-1") << plain << QStringLiteral("Übergröße ½ ¿ÿ") << true;
    QTest::newRow("empty") << plain << QString() << true;
    QTest::newRow("euro sign") << plain << QStringLiteral("5 €") << false;
    QTest::newRow("tab") << plain << QStringLiteral("a\tb") << false;
    QTest::newRow("soft hyphen") << plain << QStringLiteral("Trenn\u00adung") << false;
    QTest::newRow("underlined") << underlined << QStringLiteral("abc") << false;
    QTest::newRow("struck out") << struck << QStringLiteral("abc") << false;
    QTest::newRow("letter spacing") << spaced << QStringLiteral("abc") << false;
    QTest::newRow("capitals") << capitals << QStringLiteral("abc") << false;
}

void PageLayoutTest::glyphCoverage()
{
    QFETCH(QFont, font);
    QFETCH(QString, text);
    QFETCH(bool, covered);
    QCOMPARE(GlyphTable(font).covers(text), covered);
}

void PageLayoutTest::pagesFollowRowsAndHeader()
{
    PageSetup setup;
    setup.font = DefaultPrintFont();
    PageLayout layout;
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines << QStringLiteral("Zeile %1").arg(i);
    QVERIFY(layout.layOut(lines, setup));
    const int rows = layout.rowsPerPage();
    QVERIFY(rows > 10);
    QCOMPARE(layout.pageCount(), (500 + rows - 1) / rows);
    QCOMPARE(layout.rowsOfPage(2).first(), QStringLiteral("Zeile %1").arg(rows));
    QVERIFY(layout.rowsOfPage(layout.pageCount() + 1).isEmpty());

    setup.hasHeader = true;
    setup.hasFooter = true;
    QVERIFY(layout.layOut(lines, setup));
    QVERIFY(layout.rowsPerPage() < rows);
    QVERIFY(layout.geometry().bodyTop > setup.marginTop);
}

void PageLayoutTest::degeneratePagesStillEnd()
{
    PageSetup setup;
    setup.font = DefaultPrintFont();
    setup.marginLeft = 200;
    setup.marginRight = 200;
    setup.marginTop = 300;
    PageLayout layout;
    QVERIFY(layout.layOut({QString(5000, QLatin1Char('x'))}, setup));
    QCOMPARE(layout.rowsPerPage(), 1);
    QCOMPARE(layout.pageCount(), 5000);
}

void PageLayoutTest::cancelledLayoutIsEmpty()
{
    PageSetup setup;
    setup.font = DefaultPrintFont();
    OperationObserver observer;
    observer.keepGoing = [] { return false; };
    PageLayout layout;
    QVERIFY(!layout.layOut(QStringList(1000, QStringLiteral("x")), setup, observer));
    QCOMPARE(layout.pageCount(), 0);
}

void PageLayoutTest::printLinesOfParentAndChild()
{
    Project project;
    ProjectEntry *parent = project.tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral(" Eltern\t")));
    ProjectEntry *child = project.tree.append(parent, std::make_unique<ProjectEntry>(QStringLiteral("Kind")));
    child->record.comment = {QStringLiteral(" eins "), QString()};
    child->record.command = QStringLiteral("run.exe ");
    const Settings settings;
    QCOMPARE(PrintTextLines(project, {true, true, true}, settings),
             (QStringList{"Eltern", "  ", " Kind", "    eins ", "   ", "   run.exe "}));
    QVERIFY(PrintTextLines(project, {false, false, false}, settings).isEmpty());
}

BREKKO_TEST_MAIN(PageLayoutTest)
#include "PageLayoutTest.moc"
