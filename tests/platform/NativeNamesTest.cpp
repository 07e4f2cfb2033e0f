#include "platform/NativeNames.h"
#include "TestRegistry.h"

#include <QTest>

class NativeNamesTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
};

void NativeNamesTest::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    const QString bad = QString(QChar::ReplacementCharacter);
    QTest::newRow("plain") << QByteArray("readme.txt") << QStringLiteral("readme.txt");
    QTest::newRow("umlaut in UTF-8") << QByteArray("\xc3\x84rger.txt") << QStringLiteral("Ärger.txt");
    QTest::newRow("Latin-1 byte") << QByteArray("latin\xe4.txt") << "latin" + bad + ".txt";
    QTest::newRow("lone continuation byte") << QByteArray("\x80x") << bad + "x";
    QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf") << "a" + bad + bad;
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << bad + bad + bad;
    QTest::newRow("cut sequence at the end") << QByteArray("euro\xe2\x82") << "euro" + bad + bad;
    QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << bad + bad + bad + bad;
    QTest::newRow("four bytes, then a stray byte")
        << QByteArray("\xf0\x90\x82\x80\xb2") << QString::fromUtf8("\xf0\x90\x82\x80") + bad;
}

void NativeNamesTest::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString name = NativeNames::decode(bytes);
    QCOMPARE(NativeNames::encode(name), bytes);
    QCOMPARE(NativeNames::forDisplay(name), shown);
}

BREKKO_TEST_MAIN(NativeNamesTest)
#include "NativeNamesTest.moc"
