// The 180-byte record: field offsets, short strings and their damaged length bytes,
// the defaults field by field, and the single-byte text of the names.

#include "store/SingleByteText.h"
#include "store/StoredRecord.h"

#include <QtTest>

#include <iconv.h>

#include <numeric>
#include <string>
#include <vector>

using vantrel::StoredRecord;

class StoredRecordTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsSitAtTheirStoredOffsets()
    {
        // Other installations read these exact bytes; the offsets must never move.
        StoredRecord record;
        record.SetTag("Vantrel5");
        record.SetPlayRegGame(1);
        record.SetAltColors(2);
        record.SetLargeCards(3);
        record.SetTopScore(1, 0x01020304);
        record.SetTopScore(5, -2);
        record.SetTopName(1, "Ann");
        record.SetTopName(5, "Eve");
        record.SetLastName("Kim");
        const auto& b = record.bytes();
        QCOMPARE(int(b[0]), 8);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&b[1]), 8), QByteArray("Vantrel5"));
        QCOMPARE(int(b[11]), 1);
        QCOMPARE(int(b[12]), 2);
        QCOMPARE(int(b[13]), 3);
        QCOMPARE(int(b[16]), 0x04);
        QCOMPARE(int(b[19]), 0x01);
        QCOMPARE(int(b[32]), 0xFE);
        QCOMPARE(int(b[35]), 0xFF);
        QCOMPARE(record.TopScore(5), -2);
        QCOMPARE(int(b[36]), 3);
        QCOMPARE(char(b[37]), 'A');
        QCOMPARE(int(b[132]), 3);  // entry 5 at 12 + 24 * 5
        QCOMPARE(char(b[133]), 'E');
        QCOMPARE(int(b[156]), 3);
        QCOMPARE(char(b[157]), 'K');
        QCOMPARE(char(b[179]), '\0');
    }

    void damagedLengthByteReadsAsTheCapacity()
    {
        StoredRecord record;
        auto& b = record.bytes();
        std::iota(b.begin(), b.end(), std::uint8_t{0});
        b[StoredRecord::TagOffset] = 200;
        b[StoredRecord::TopNameOffset] = 24;
        b[StoredRecord::LastNameOffset] = 255;
        QCOMPARE(record.Tag().size(), std::size_t{10});
        QCOMPARE(record.Tag()[9], char(10));
        const std::string first = record.TopName(1);
        QCOMPARE(first.size(), std::size_t{23});
        QCOMPARE(int(static_cast<unsigned char>(first.back())), 59);  // byte 59, not 60
        QCOMPARE(record.LastName().size(), std::size_t{23});
        QCOMPARE(int(static_cast<unsigned char>(record.LastName().back())), 179);
    }

    void writtenTextsAreCutToTheFieldAndLeaveLaterBytes()
    {
        StoredRecord record;
        record.SetTag("Vantrel5-and-more");
        QCOMPARE(record.Tag(), std::string("Vantrel5-a"));
        QCOMPARE(int(record.PlayRegGame()), 0);
        record.SetTopName(2, "Longer name");
        record.SetTopName(2, "Bo");
        QCOMPARE(record.TopName(2), std::string("Bo"));
        // The rest of the earlier text stays, as the stored format allows.
        QCOMPARE(char(record.bytes()[StoredRecord::TopNameOffset + 24 + 3]), 'n');
    }

    void defaultsFieldByField()
    {
        StoredRecord record;
        record.bytes()[9] = 0x11;
        record.bytes()[10] = 0x22;
        record.bytes()[14] = 0x33;
        record.bytes()[15] = 0x44;
        record.SetLargeCards(1);
        record.SetAltColors(1);
        record.SetTopScore(3, 99);
        record.SetRecordDefaults();
        QCOMPARE(record.Tag(), std::string("Vantrel5"));
        QCOMPARE(int(record.PlayRegGame()), 1);
        QCOMPARE(int(record.LargeCards()), 0);
        QCOMPARE(int(record.AltColors()), 0);
        QCOMPARE(record.LastName(), std::string("Please enter your name!"));
        for (int entry = 1; entry <= 5; ++entry) {
            QCOMPARE(record.TopScore(entry), 0);
            QCOMPARE(record.TopName(entry), std::string("None"));
        }
        // Spare bytes are never set by the program.
        QCOMPARE(int(record.bytes()[9]), 0x11);
        QCOMPARE(int(record.bytes()[10]), 0x22);
        QCOMPARE(int(record.bytes()[14]), 0x33);
        QCOMPARE(int(record.bytes()[15]), 0x44);
    }

    // Names are Windows-1252, as records written on the first platform hold them.
    void namesConvertToSingleByteText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("ascii") << "Ann" << QByteArray("Ann");
        QTest::newRow("latin-1 letters")
            << QString::fromUtf8("J\xC3\xBCrgen \xC3\x98") << QByteArray("J\xFCrgen \xD8");
        QTest::newRow("euro and quotes")
            << QString::fromUtf8("5\xE2\x82\xAC O\xE2\x80\x99Neil \xE2\x80\x9Cx\xE2\x80\x9D")
            << QByteArray("5\x80 O\x92Neil \x93x\x94");
        QTest::newRow("accent typed apart") << QString::fromUtf8("e\xCC\x81") << QByteArray("\xE9");
        QTest::newRow("outside the BMP")
            << QString::fromUtf8("a\xF0\x9F\x82\xA1z") << QByteArray("a?z");
        QTest::newRow("cyrillic") << QString::fromUtf8("\xD0\x98\xD0\xB2") << QByteArray("??");
        QTest::newRow("C1 control") << QString(QChar(0x81)) << QByteArray("?");
        QTest::newRow("zero character") << QString(QChar(0)) + "x" << QByteArray("?x");
    }

    void namesConvertToSingleByteText()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QCOMPARE(QByteArray::fromStdString(vantrel::StoredBytesFromName(typed)), stored);
    }

    // Every byte shows as one character and goes back to itself, but for the five
    // codes that stand for none; a zero byte ends the name.
    void everyStoredByteShowsAsOneCharacter()
    {
        std::string all;
        for (int byte = 1; byte < 256; ++byte) {
            all.push_back(static_cast<char>(byte));
        }
        const QString shown = vantrel::NameFromStoredBytes(all);
        QCOMPARE(shown.size(), qsizetype(255));
        QCOMPARE(shown.at(0x80 - 1), QChar(0x20AC));
        QCOMPARE(shown.at(0x92 - 1), QChar(0x2019));
        std::string back = all;
        for (const unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
            QCOMPARE(shown.at(undefined - 1), QChar('?'));
            back[undefined - 1] = '?';
        }
        QCOMPARE(vantrel::StoredBytesFromName(shown), back);
        QCOMPARE(vantrel::NameFromStoredBytes(std::string("Kim\0\x01rest", 9)), QString("Kim"));
    }

    // The bytes where Windows-1252 departs from Latin-1, each as the system's own
    // converter reads it (a byte it refuses stands for no character: '?').
    void highBytesReadAsTheSystemConverterReadsThem_data()
    {
        QTest::addColumn<int>("byte");
        for (int byte = 0x80; byte <= 0x9F; ++byte) {
            QTest::newRow(qPrintable(QString::number(byte, 16))) << byte;
        }
    }

    void highBytesReadAsTheSystemConverterReadsThem()
    {
        QFETCH(int, byte);
        const iconv_t converter = iconv_open("UTF-32LE", "WINDOWS-1252");
        QVERIFY(converter != iconv_t(-1));
        char in = static_cast<char>(byte);
        char32_t out = 0;
        char* from = &in;
        char* to = reinterpret_cast<char*>(&out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        const bool known = iconv(converter, &from, &inLeft, &to, &outLeft) != std::size_t(-1);
        iconv_close(converter);
        const QString expected = known ? QString::fromUcs4(&out, 1) : QStringLiteral("?");
        const std::string stored(1, in);
        QCOMPARE(vantrel::NameFromStoredBytes(stored), expected);
        if (known) {
            QCOMPARE(vantrel::StoredBytesFromName(expected), stored);
        }
    }
};

QTEST_APPLESS_MAIN(StoredRecordTest)
#include "test_record.moc"
