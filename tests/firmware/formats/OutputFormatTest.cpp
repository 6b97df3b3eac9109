// The text formats: srec_cat must read back the .bin bytes, and a small reader checks every
// record's length and checksum.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

#include "firmware/formats/RecordWriters.h"
#include "tests/support/TempFolder.h"

namespace {

std::vector<std::uint8_t> HexBytes(const QByteArray& digits, bool& bOk) {
    std::vector<std::uint8_t> bytes;
    bOk = digits.size() % 2 == 0;
    for (qsizetype i = 0; bOk && i < digits.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(digits.mid(i, 2).toUInt(&bOk, 16)));
    }
    return bytes;
}

std::uint32_t BigEndian(const std::vector<std::uint8_t>& b, std::size_t nAt, int nBytes) {
    std::uint32_t dw = 0;
    for (int i = 0; i < nBytes; ++i) dw = (dw << 8) | b[nAt + i];
    return dw;
}

void Place(QByteArray& out, std::int64_t nAt, const std::uint8_t* p, std::size_t n) {
    if (out.size() < nAt + static_cast<qsizetype>(n)) out.resize(nAt + static_cast<qsizetype>(n));
    std::memcpy(out.data() + nAt, p, n);
}

// One HEX record into out; the record's count must match its length, its bytes sum to 0.
bool ReadHexRecord(const std::vector<std::uint8_t>& b, std::uint32_t dwBase, std::uint32_t& dwUpper,
                   QByteArray& out) {
    std::uint8_t bySum = 0;
    for (std::uint8_t by : b) bySum = static_cast<std::uint8_t>(bySum + by);
    if (b.size() < 5 || b[0] + 5u != b.size() || bySum != 0) return false;
    if (b[3] == 4) dwUpper = BigEndian(b, 4, 2) << 16;
    if (b[3] == 0) Place(out, (dwUpper | BigEndian(b, 1, 2)) - dwBase, &b[4], b[0]);
    return true;
}

// One S-record into out; its count covers address, data and checksum, their sum is 0xFF.
bool ReadSRecord(char cType, const std::vector<std::uint8_t>& b, std::uint32_t dwBase,
                 QByteArray& out) {
    std::uint8_t bySum = 0;
    for (std::uint8_t by : b) bySum = static_cast<std::uint8_t>(bySum + by);
    if (b.size() < 4 || b[0] + 1u != b.size() || bySum != 0xFF) return false;
    if (cType == '3' && b.size() >= 6) Place(out, BigEndian(b, 1, 4) - dwBase, &b[5], b.size() - 6);
    return true;
}

bool ReadRecords(const QByteArray& text, std::uint32_t dwBase, QByteArray& out) {
    std::uint32_t dwUpper = 0;
    out.clear();
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray record = line.trimmed();
        if (record.isEmpty()) continue;
        const bool bHex = record.startsWith(':');
        bool bOk = false;
        const auto bytes = HexBytes(record.mid(bHex ? 1 : 2), bOk);
        if (!bOk) return false;
        if (bHex ? !ReadHexRecord(bytes, dwBase, dwUpper, out)
                 : !record.startsWith('S') || !ReadSRecord(record[1], bytes, dwBase, out)) {
            return false;
        }
    }
    return true;
}

QByteArray RandomImage(int nLength) {
    QByteArray bytes(nLength, '\0');
    QRandomGenerator rng(static_cast<quint32>(nLength));
    for (char& c : bytes) c = static_cast<char>(rng.bounded(256));
    return bytes;
}

// srec_cat's binary of a text file, moved back from dwBase to offset 0.
QByteArray SrecCatToBinary(const TempFolder& tmp, const QByteArray& text, const char* pFormat,
                           std::uint32_t dwBase) {
    WriteAllBytes(tmp.File("in.txt"), text);
    QProcess srec;
    srec.start(QStringLiteral("srec_cat"),
               {tmp.File("in.txt"), QString::fromLatin1(pFormat), "-offset",
                QStringLiteral("-0x%1").arg(dwBase, 0, 16), "-o", tmp.File("out.bin"), "-binary"});
    EXPECT_TRUE(srec.waitForFinished(30000));
    EXPECT_EQ(srec.exitCode(), 0) << srec.readAllStandardError().toStdString();
    return ReadAllBytes(tmp.File("out.bin"));
}

}  // namespace

TEST(OutputFormat, SrecCatReadsBackTheBinaryOfBothFormats) {
    if (QStandardPaths::findExecutable(QStringLiteral("srec_cat")).isEmpty()) {
        GTEST_SKIP() << "srec_cat is not installed here";
    }
    TempFolder tmp;
    struct Case {
        int nLength;
        std::uint32_t dwBase;
        int nPerLine;
    };
    // The flash base, a base that makes a line cross 64 KiB, an image that ends at 4 GiB.
    for (const Case& c :
         {Case{24096, 0x08000000, 16}, Case{135168, 0x0800FFF3, 32}, Case{70000, 0xFFFEEE90, 16}}) {
        const QByteArray image = RandomImage(c.nLength);
        const auto* p = reinterpret_cast<const unsigned char*>(image.constData());
        const QByteArray hex = IntelHexOf(p, c.nLength, c.dwBase, c.nPerLine, c.dwBase + 1);
        const QByteArray srec = SRecordOf(p, c.nLength, c.dwBase, c.nPerLine, std::nullopt);
        EXPECT_EQ(SrecCatToBinary(tmp, hex, "-intel", c.dwBase), image) << c.dwBase;
        EXPECT_EQ(SrecCatToBinary(tmp, srec, "-motorola", c.dwBase), image) << c.dwBase;
        QByteArray back;
        EXPECT_TRUE(ReadRecords(hex, c.dwBase, back) && back == image);
        EXPECT_TRUE(ReadRecords(srec, c.dwBase, back) && back == image);
    }
}

// The start record holds the entry address; without one HEX leaves it out, and S-records end
// with S7 0, the end record the format needs.
TEST(OutputFormat, RecordsFrameTheImageAndTheReaderCatchesBrokenOnes) {
    const unsigned char data[20] = {0x55, 0xAA, 0x01, 0x03};
    const QByteArray hex = IntelHexOf(data, 20, 0x0800FFF8, 16, 0x0800FFF8);
    EXPECT_EQ(hex,
              ":020000040800F2\r\n:08FFF80055AA010300000000FE\r\n:020000040801F1\r\n"
              ":0C000000000000000000000000000000F4\r\n:040000050800FFF8F8\r\n:00000001FF\r\n");
    EXPECT_EQ(IntelHexOf(data, 4, 0x08000000, 16, std::nullopt),
              ":020000040800F2\r\n:0400000055AA0103F9\r\n:00000001FF\r\n");
    const QByteArray srec = SRecordOf(data, 4, 0x08000000, 16, 0x08000001);
    EXPECT_EQ(srec, "S00A000051756F72726978FB\r\nS3090800000055AA0103EB\r\nS70508000001F1\r\n");
    EXPECT_TRUE(SRecordOf(data, 4, 0x08000000, 16, std::nullopt).endsWith("S70500000000FA\r\n"));
    QByteArray back;
    QByteArray badLength = hex;
    badLength.replace(":08FFF8", ":09FFF8");
    QByteArray badSum = srec;
    badSum.replace("55AA0103EB", "55AA0104EB");
    EXPECT_FALSE(ReadRecords(badLength, 0x0800FFF8, back));
    EXPECT_FALSE(ReadRecords(badSum, 0x08000000, back));

    EXPECT_TRUE(FitsAddressSpace(0xFFFFF000u, 0x1000));
    EXPECT_FALSE(FitsAddressSpace(0xFFFFF000u, 0x1001));
}
