// The store file's text format: what we write, and what we accept from people and
// from other tools.

#include "AdversarialStoreFiles.h"
#include "store/RegFile.h"
#include "store/StoreFile.h"

#include <QByteArray>
#include <QString>
#include <QTest>

#include <random>

using vantrel::RegFile;
using vantrel::RegKey;
using vantrel::RegValue;
using vantrel::ValueType;

namespace {

std::vector<std::uint8_t> bytes(const QByteArray& b) { return {b.begin(), b.end()}; }
std::vector<std::uint8_t> fromHex(const char* hex) { return bytes(QByteArray::fromHex(hex)); }
QByteArray qbytes(const std::string& s)
{
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

// UTF-16LE with its terminating NUL, as string values are held.
std::vector<std::uint8_t> wide(const QString& text)
{
    const QString withNul = text + QChar(0);
    return bytes(QByteArray(reinterpret_cast<const char*>(withNul.utf16()), withNul.size() * 2));
}

QByteArray utf16(const QString& text, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char hi = static_cast<char>(c.unicode() >> 8);
        const char lo = static_cast<char>(c.unicode() & 0xFF);
        out.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    }
    return out;
}

const RegValue* valueOf(const RegFile& file, const char* key, const char* name)
{
    const RegKey* k = file.findKey(key);
    return k ? k->findValue(name) : nullptr;
}

std::vector<std::uint8_t> dataOf(const RegFile& file, const char* key, const char* name)
{
    const RegValue* v = valueOf(file, key, name);
    return v ? v->data : std::vector<std::uint8_t>{0xEE, 0xEE};  // a marker no test expects
}

// The same content as the native tool exports it (UTF-16LE, CRLF) and as people save it.
const char* const ToolExport =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Vantrel]\r\n"
    "\"fRegInfo\"=hex:08,56,61,6e,74,72,65,6c,35,00,00,01,00,00,00,00,00,00,00,00,00,\\\r\n"
    "  00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,04,4e,6f,6e,65,00,00,00,00,\\\r\n"
    "  00,ff\r\n"
    "\"Title\"=\"Vantrel \\\"8\\\" at C:\\\\Games\"\r\n"
    "@=\"default\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\vantrel\\DonateForm]\r\n"
    "\"DonateStatus\"=dword:00000004\r\n"
    "\"DonateLastPrompt\"=dword:00009a8b\r\n"
    "\"Path\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00\r\n"
    "\r\n";

}  // namespace

class TestRegFile : public QObject {
    Q_OBJECT

private slots:
    void writesEveryValueTypeInTheExportFormat()
    {
        RegFile file;
        RegKey& key = file.ensureKey("\\HKEY_LOCAL_MACHINE\\Software\\\\Vantrel\\");
        key.setValue({"fRegInfo", ValueType::Binary, fromHex("085661")});
        key.setValue({"DonateStatus", ValueType::Dword, {4, 0, 0, 0}});
        key.setValue({"Name", ValueType::String, wide(QStringLiteral("say \"hi\" C:\\x"))});
        key.setValue({"", ValueType::String, wide(QStringLiteral("default"))});
        key.setValue({"Path", ValueType::ExpandString, wide(QStringLiteral("%A%"))});
        key.setValue({"Big", ValueType::Qword, {1, 0, 0, 0, 0, 0, 0, 0}});
        key.setValue({"Lines", ValueType::String, wide(QStringLiteral("a\nb"))});
        key.setValue({"Short", ValueType::Dword, {1, 2, 3}});
        key.setValue({"name", ValueType::Dword, {9, 0, 0, 0}});  // same name, other case
        file.ensureKey("HKEY_CURRENT_USER\\Software\\vantrel\\DonateForm");

        QCOMPARE(qbytes(file.serialise()),
                 QByteArray("Windows Registry Editor Version 5.00\r\n\r\n"
                            "[HKEY_LOCAL_MACHINE\\Software\\Vantrel]\r\n"
                            "\"fRegInfo\"=hex:08,56,61\r\n"
                            "\"DonateStatus\"=dword:00000004\r\n"
                            "\"Name\"=dword:00000009\r\n"
                            "@=\"default\"\r\n"
                            "\"Path\"=hex(2):25,00,41,00,25,00,00,00\r\n"
                            "\"Big\"=hex(b):01,00,00,00,00,00,00,00\r\n"
                            "\"Lines\"=hex(1):61,00,0a,00,62,00,00,00\r\n"
                            "\"Short\"=hex(4):01,02,03\r\n"
                            "\r\n"
                            "[HKEY_CURRENT_USER\\Software\\vantrel\\DonateForm]\r\n\r\n"));
    }

    void quotedStringsEscapeBackslashAndQuote()
    {
        const RegValue value{"a\"b\\", ValueType::String, wide(QStringLiteral("C:\\x \"y\""))};
        QCOMPARE(qbytes(vantrel::formatValueLine(value)),
                 QByteArray("\"a\\\"b\\\\\"=\"C:\\\\x \\\"y\\\"\""));
    }

    void longHexWrapsBelowEightyColumnsAndReadsBack()
    {
        std::vector<std::uint8_t> record(180);
        for (std::size_t i = 0; i < record.size(); ++i)
            record[i] = static_cast<std::uint8_t>(i * 7);
        RegFile file;
        file.ensureKey("HKEY_LOCAL_MACHINE\\Software\\Vantrel")
            .setValue({"fRegInfo", ValueType::Binary, record});

        const QList<QByteArray> lines = qbytes(file.serialise()).split('\n');
        int continued = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY2(lines[i].size() <= 81, lines[i].constData());  // 80 columns and the CR
            if (lines[i].endsWith(",\\\r")) {
                ++continued;
                QVERIFY(lines[i + 1].startsWith("  ") && !lines[i + 1].startsWith("   "));
            }
        }
        QVERIFY(continued >= 6);
        QCOMPARE(dataOf(RegFile::parse(file.serialise()), "HKLM\\Software\\Vantrel", "fRegInfo"),
                 record);
    }

    void readsTheExportInEveryEncoding_data()
    {
        QTest::addColumn<QByteArray>("raw");
        const QString text = QString::fromUtf8(ToolExport);
        QTest::newRow("UTF-16LE with BOM, CRLF") << utf16(text, false);
        QTest::newRow("UTF-16BE with BOM") << utf16(text, true);
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF").append(ToolExport);
        QTest::newRow("UTF-8, LF") << QByteArray(ToolExport).replace("\r\n", "\n");
    }

    void readsTheExportInEveryEncoding()
    {
        QFETCH(QByteArray, raw);
        const RegFile file = RegFile::parse(std::string_view(raw.constData(), raw.size()));
        const char* machine = "HKEY_LOCAL_MACHINE\\Software\\Vantrel";
        const char* user = "HKEY_CURRENT_USER\\Software\\vantrel\\DonateForm";
        QCOMPARE(file.keys().size(), std::size_t(2));
        QCOMPARE(
            dataOf(file, machine, "fRegInfo"),
            fromHex("0856616e7472656c3500000100000000000000000000000000000000000000000000000000"
                    "044e6f6e650000000000ff"));
        QCOMPARE(valueOf(file, machine, "fRegInfo")->type, ValueType::Binary);
        QCOMPARE(dataOf(file, machine, "Title"),
                 wide(QStringLiteral("Vantrel \"8\" at C:\\Games")));
        QCOMPARE(dataOf(file, machine, ""), wide(QStringLiteral("default")));
        QCOMPARE(dataOf(file, user, "donatestatus"), (std::vector<std::uint8_t>{4, 0, 0, 0}));
        QCOMPARE(dataOf(file, user, "DonateLastPrompt"),
                 (std::vector<std::uint8_t>{0x8b, 0x9a, 0, 0}));
        QCOMPARE(valueOf(file, user, "Path")->type, ValueType::ExpandString);
        QCOMPARE(dataOf(file, user, "Path"), wide(QStringLiteral("%HOME%")));
        // Written back, it is the same text the tool wrote, less the encoding.
        QCOMPARE(qbytes(file.serialise()), QByteArray(ToolExport));
    }

    void readsHandEditedAndOldStyleFiles()
    {
        const RegFile file = RegFile::parse(
            "REGEDIT4\n"
            "; options of the game\n"
            "  [ hklm\\software\\vantrel ]  \n"
            "\"A\" = dword: 0000002A\n"
            "\"B\"=HEX:01, 02 ,3\n"
            "\"S\"=hex(2):41,80,92,81,00\n"
            "[-HKEY_LOCAL_MACHINE\\Software\\Gone]\n"
            "\"Lost\"=dword:00000001\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Vantrel]\n"
            "\"C\"=\"merged\"\n"
            "\"A\"=-\n");
        const char* key = "HKEY_LOCAL_MACHINE\\Software\\Vantrel";
        QCOMPARE(file.keys().size(), std::size_t(1));
        QCOMPARE(dataOf(file, key, "a"), (std::vector<std::uint8_t>{42, 0, 0, 0}));
        QCOMPARE(dataOf(file, key, "B"), (std::vector<std::uint8_t>{1, 2, 3}));
        // Single Windows-1252 bytes widened; one that stands for no character keeps its code.
        QCOMPARE(dataOf(file, key, "S"), wide(QString::fromUtf16(u"A\u20AC\u2019\u0081")));
        QCOMPARE(dataOf(file, key, "C"), wide(QStringLiteral("merged")));
        QVERIFY(valueOf(file, "HKLM\\Software\\Gone", "Lost") == nullptr);
    }

    void damagedLinesCostOnlyThemselves()
    {
        const RegFile file = RegFile::parse(
            "Windows Registry Editor Version 5.00\n"
            "garbage line here \x01\x02\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Vantrel]\n"
            "\"Good1\"=dword:00000001\n"
            "\"BadDword\"=dword:123456789\n"
            "\"BadDword2\"=dword:xyz\n"
            "\"Odd\"=hex:01,0g,03\n"
            "\"Cut\"=hex:01,02,\\\n"
            "\"Good2\"=\"still here\"\n"
            "\"Open\"=\"no closing quote\n"
            "=dword:00000005\n"
            "\"NoEquals\" dword:00000001\n"
            "\"Good3\"=hex:0a,0b,\\\n"
            "  0c\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Torn\n"
            "\"Orphan\"=dword:00000007\n"
            "[HKEY_LOCAL_MACHINE\\Software\\Vantrel]\n"
            "\"Good4\"=dword:00000004\n"
            "\"Tail\"=hex:01,02,\\");
        const char* key = "HKEY_LOCAL_MACHINE\\Software\\Vantrel";
        QCOMPARE(file.keys().size(), std::size_t(2));
        const RegKey* vantrel = file.findKey(key);
        QVERIFY(vantrel);
        std::vector<std::string> names;
        for (const RegValue& v : vantrel->values) names.push_back(v.name);
        QCOMPARE(names, (std::vector<std::string>{"Good1", "Good2", "Good3", "Good4"}));
        QCOMPARE(dataOf(file, key, "Good2"), wide(QStringLiteral("still here")));
        QCOMPARE(dataOf(file, key, "Good3"), (std::vector<std::uint8_t>{10, 11, 12}));
        QCOMPARE(dataOf(file, key, "Good4"), (std::vector<std::uint8_t>{4, 0, 0, 0}));
        // A key line that lost only its closing bracket still holds its values.
        QCOMPARE(dataOf(file, "HKLM\\Software\\Torn", "Orphan"),
                 (std::vector<std::uint8_t>{7, 0, 0, 0}));
    }

    // Whatever key a save writes reads back as that very key.
    void keyPathsRoundTrip_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("written");
        QTest::newRow("space before a trailing backslash") << "HKLM\\a \\"
                                                           << "HKLM\\a";
        QTest::newRow("blank last part") << "HKLM\\a\\ \\\t"
                                         << "HKLM\\a";
        QTest::newRow("spaces around") << "  HKLM\\Software\\b c  "
                                       << "HKLM\\Software\\b c";
        QTest::newRow("spaces inside parts") << "HKLM\\ x \\y"
                                             << "HKLM\\ x \\y";
        QTest::newRow("brackets") << "HKLM\\[x]\\y]"
                                  << "HKLM\\[x]\\y]";
    }
    void keyPathsRoundTrip()
    {
        QFETCH(QString, path);
        QFETCH(QString, written);
        RegFile file;
        file.ensureKey(path.toStdString()).setValue({"v", ValueType::Dword, {1, 0, 0, 0}});
        QCOMPARE(QString::fromStdString(file.keys().front().path), written);
        const RegFile back = RegFile::parse(file.serialise());
        QCOMPARE(back.keys().size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(back.keys().front().path), written);
        QVERIFY(back.findKey(path.toStdString()) &&
                back.findKey(path.toStdString())->findValue("v"));
    }

    // Random damage to real files: parsing never fails, and whatever survives is
    // written in a form that reads back to the very same text.
    // A file anyone may edit can take any shape within the size limit; reading it must
    // stay proportional to its size (benchmarks/store_read_benchmark times these).
    void adversarialShapesAreReadWhole()
    {
        int keys = 0;
        int values = 0;
        const RegFile first = RegFile::parse(
            vantrel::testing::LongKeyPathStoreFile(vantrel::LargestStoreFile, keys, values));
        QCOMPARE(first.keys().size(), std::size_t(keys));
        QCOMPARE(first.keys().back().values.size(), std::size_t(values));
        QVERIFY(first.keys().back().findValue("V7") != nullptr);

        // One name over and over: the last value wins, in the first one's place.
        int rounds = 0;
        const RegFile second =
            RegFile::parse(vantrel::testing::SameNameStoreFile(vantrel::LargestStoreFile, rounds));
        const RegKey* many = second.findKey("HKLM\\software\\many");
        QVERIFY(many != nullptr);
        QCOMPARE(many->values.size(), std::size_t(2));
        QCOMPARE(many->values[1].name, std::string("same"));
        QCOMPARE(int(many->values[1].data.at(0)), rounds % 2 ? 2 : 3);
    }

    void randomDamageNeverBreaksTheRoundTrip()
    {
        std::mt19937 random(20240611);
        const std::string seeds[] = {ToolExport, RegFile::parse(ToolExport).serialise()};
        for (int round = 0; round < 3000; ++round) {
            std::string text = seeds[round % 2];
            const int edits = 1 + static_cast<int>(random() % 6);
            for (int e = 0; e < edits && !text.empty(); ++e) {
                const std::size_t at = random() % text.size();
                switch (random() % 4) {
                    case 0:
                        text[at] = static_cast<char>(random() % 256);
                        break;
                    case 1:
                        text.erase(at, 1 + random() % 8);
                        break;
                    case 2:
                        text.insert(at, 1, "\\\",=[]@;\n\r"[random() % 10]);
                        break;
                    default:
                        text.resize(at);
                        break;
                }
            }
            const std::string once = RegFile::parse(text).serialise();
            const std::string twice = RegFile::parse(once).serialise();
            QVERIFY2(once == twice,
                     qPrintable(QByteArray::fromStdString(text).toPercentEncoding()));
        }
    }
};

QTEST_GUILESS_MAIN(TestRegFile)
#include "test_regfile.moc"
