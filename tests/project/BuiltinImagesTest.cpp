#include "TestRegistry.h"
#include "project/ImageList.h"

#include <QImageReader>
#include <QTest>

class BuiltinImagesTest : public QObject {
    Q_OBJECT

private slots:
    void resource_data();
    void resource();
};

void BuiltinImagesTest::resource_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < ImageList::kBuiltinCount; ++i)
        QTest::newRow(qPrintable(QStringLiteral("tree%1").arg(i + 1, 3, 10, QLatin1Char('0')))) << i;
}

// Every built-in picture is a 16x16 bitmap with a teal background that the
// list turns transparent around an opaque picture.
void BuiltinImagesTest::resource()
{
    QFETCH(int, index);
    const QString name = QStringLiteral(":/images/tree%1.bmp").arg(index + 1, 3, 10, QLatin1Char('0'));
    QImageReader reader(name, "bmp");
    const QImage bitmap = reader.read();
    QVERIFY2(!bitmap.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(bitmap.size(), QSize(16, 16));

    const QImage image = ImageList::withBuiltins().image(index);
    int transparent = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            transparent += qAlpha(image.pixel(x, y)) == 0;
    }
    QVERIFY(transparent > 0);
    QVERIFY(transparent < 16 * 16);
}

BREKKO_TEST_MAIN(BuiltinImagesTest)
#include "BuiltinImagesTest.moc"
