// Bad input of each kind, as small texts: refused with what and where, the image untouched.
#include <gtest/gtest.h>

#include "firmware/formats/ImageReader.h"

namespace {

constexpr char HEX_BASE[] = ":020000040800F2\n";      // upper address 0x0800
constexpr char HEX_DATA[] = ":0400000001020304F2\n";  // 01 02 03 04 at offset 0
constexpr char HEX_END[] = ":00000001FF\n";

QString Refusal(ImageFormat format, const QByteArray& file) {
    ImageData image;
    image.segments.push_back({7, "kept"});
    QString strError;
    EXPECT_FALSE(ConvertImage(format, file, image, strError));
    EXPECT_EQ(image.segments.size(), 1u);
    EXPECT_EQ(image.segments.front().bytes, QByteArray("kept"));
    return strError;
}

ImageData Converted(ImageFormat format, const QByteArray& file) {
    ImageData image;
    QString strError;
    EXPECT_TRUE(ConvertImage(format, file, image, strError)) << strError.toStdString();
    return image;
}

}  // namespace

// A text is never taken as a binary: it reads as the format its first non-blank line starts,
// fails with its line, or is refused as text; a binary with bytes no text has stays a binary.
TEST(ImageReader, TextIsItsFormatOrRefusedNeverABinary) {
    const QByteArray hex = QByteArray(HEX_BASE) + HEX_DATA + HEX_END;
    QByteArray longHex = HEX_BASE;
    for (int i = 0; i < 300; ++i) longHex += HEX_DATA;  // past 4 KiB
    struct Case {
        const char* pWhat;
        QByteArray file;
        ImageFormat format;
        const char* pOutcome;  // the refusal, or nullptr: 01 02 03 04 at 0x08000000
    };
    const Case cases[] = {
        {"leading blank line", "\r\n" + hex, ImageFormat::Hex, nullptr},
        {"leading blanks", "  \t" + hex, ImageFormat::Hex, nullptr},
        {"byte-order mark, CR line ends", "\xEF\xBB\xBF" + QByteArray(hex).replace('\n', '\r'),
         ImageFormat::Hex, nullptr},
        {"S-records behind blanks", " S107000001020304EE \n\nS9030000FC\n", ImageFormat::Srec,
         nullptr},
        {"bad first line", ":00000001FE\n", ImageFormat::Hex,
         "第 1 行: 校验和错误, 是 0xFE, 应为 0xFF"},
        {"unknown first record", "S4030000FC\n", ImageFormat::Srec, "第 1 行: 未知的记录类型 S4"},
        {"column behind blanks", "\n  :04000000010203G4F2\n", ImageFormat::Hex,
         "第 2 行: 第 18 个字符 'G' 无效"},
        {"bad record past 4 KiB", longHex + ":0400000001020304F3\n" + HEX_END, ImageFormat::Hex,
         "第 302 行: 校验和错误, 是 0xF3, 应为 0xF2"},
        {"a NUL past 4 KiB", longHex + QByteArray(":04\0", 4) + HEX_END, ImageFormat::Hex,
         "第 302 行: 第 4 个字符 0x00 无效"},
        {"text of neither format", "Build finished.\n" + hex, ImageFormat::Text,
         "不是固件映像, 是文本文件"},
        {"blank text", " \r\n\t", ImageFormat::Text, "不是固件映像, 是文本文件"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pWhat);
        ASSERT_EQ(DetectImageFormat(c.file), c.format);
        if (c.pOutcome) {
            EXPECT_EQ(Refusal(c.format, c.file), QString::fromUtf8(c.pOutcome));
            continue;
        }
        const ImageData image = Converted(c.format, c.file);
        EXPECT_EQ(FlatImage(image, 0), QByteArray("\x01\x02\x03\x04"));
        EXPECT_EQ(image.Start(), c.format == ImageFormat::Hex ? 0x08000000u : 0u);
    }
    // Raw images: a vector table holds zero bytes, whatever the first byte is.
    EXPECT_EQ(DetectImageFormat(QByteArray(":\x50\x00\x20\xC1\x00\x00\x08", 8)), ImageFormat::Bin);
    EXPECT_EQ(DetectImageFormat(QByteArray("\x00\x20\x00\x20", 4)), ImageFormat::Bin);
    EXPECT_EQ(DetectImageFormat(QByteArray()), ImageFormat::Bin);
    EXPECT_EQ(DetectImageFormat(QByteArray("\x7f"
                                           "ELF\x01\x01")),
              ImageFormat::Elf);
}

TEST(ImageReader, ChecksumLengthAndCharacterNameTheLine) {
    EXPECT_EQ(Refusal(ImageFormat::Hex, QByteArray(HEX_BASE) + ":0400000001020304F3\n" + HEX_END),
              QStringLiteral("第 2 行: 校验和错误, 是 0xF3, 应为 0xF2"));
    EXPECT_EQ(Refusal(ImageFormat::Hex, QByteArray(":0400000001020304\n") + HEX_END),
              QStringLiteral("第 1 行: 记录长度错误"));
    EXPECT_EQ(Refusal(ImageFormat::Hex, QByteArray(":0400000001020304F200\n") + HEX_END),
              QStringLiteral("第 1 行: 记录长度错误"));
    EXPECT_EQ(Refusal(ImageFormat::Hex, QByteArray(":04000000010203G4F2\n") + HEX_END),
              QStringLiteral("第 1 行: 第 16 个字符 'G' 无效"));
    EXPECT_EQ(Refusal(ImageFormat::Srec, "S00600004844521B\nS107000001020304EF\nS9030000FC\n"),
              QStringLiteral("第 2 行: 校验和错误, 是 0xEF, 应为 0xEE"));
    EXPECT_EQ(Refusal(ImageFormat::Srec, "S10700000102030\nS9030000FC\n"),
              QStringLiteral("第 1 行: 记录长度错误"));
}

TEST(ImageReader, UnknownRecordTypeIsRefused) {
    EXPECT_EQ(Refusal(ImageFormat::Hex, QByteArray(":00000006FA\n") + HEX_END),
              QStringLiteral("第 1 行: 未知的记录类型 0x06"));
    EXPECT_EQ(Refusal(ImageFormat::Srec, "S4030000FC\nS9030000FC\n"),
              QStringLiteral("第 1 行: 未知的记录类型 S4"));
}

TEST(ImageReader, DataPast4GiBIsRefused) {
    const QByteArray top = ":02000004FFFFFC\n";
    EXPECT_EQ(Refusal(ImageFormat::Hex, top + ":02FFFF000102FD\n" + HEX_END),
              QStringLiteral("第 2 行: 数据超出 4 GiB 地址空间"));
    EXPECT_EQ(Refusal(ImageFormat::Srec, "S307FFFFFFFF0102F9\nS70500000000FA\n"),
              QStringLiteral("第 1 行: 数据超出 4 GiB 地址空间"));
    const ImageData last = Converted(ImageFormat::Hex, top + ":01FFFF000100\n" + HEX_END);
    EXPECT_EQ(last.Start(), 0xFFFFFFFFu);
    EXPECT_EQ(last.Last(), 0xFFFFFFFFu);
}

TEST(ImageReader, DifferentBytesAtOneAddressAreRefused) {
    const QByteArray same = ":020001000203F8\n";   // 02 03 again at 0x08000001
    const QByteArray other = ":0200010002AA51\n";  // 02 AA: 0x08000002 differs
    EXPECT_EQ(Refusal(ImageFormat::Hex, QByteArray(HEX_BASE) + HEX_DATA + other + HEX_END),
              QStringLiteral("地址 0x08000002 有两个不同的字节"));
    EXPECT_EQ(Refusal(ImageFormat::Hex, QByteArray(HEX_BASE) + other + HEX_DATA + HEX_END),
              QStringLiteral("地址 0x08000002 有两个不同的字节"));
    for (const QByteArray& file : {QByteArray(HEX_BASE) + HEX_DATA + same + HEX_END,
                                   QByteArray(HEX_BASE) + same + HEX_DATA + HEX_END}) {
        const ImageData image = Converted(ImageFormat::Hex, file);
        ASSERT_EQ(image.segments.size(), 1u);
        EXPECT_EQ(image.segments.front().bytes, QByteArray("\x01\x02\x03\x04"));
        EXPECT_EQ(image.Start(), 0x08000000u);
    }
}

TEST(ImageReader, MissingEndRecordIsRefused) {
    EXPECT_EQ(Refusal(ImageFormat::Hex, QByteArray(HEX_BASE) + HEX_DATA),
              QStringLiteral("没有结束记录 (类型 01)"));
    EXPECT_EQ(Refusal(ImageFormat::Srec, "S107000001020304EE\n"),
              QStringLiteral("没有结束记录 (S7/S8/S9)"));
}

// Records after the end, or a count that does not match, mean lost or extra data.
TEST(ImageReader, RecordsAfterTheEndOrAWrongCountAreRefused) {
    EXPECT_EQ(Refusal(ImageFormat::Hex, QByteArray(HEX_BASE) + HEX_END + HEX_DATA + HEX_END),
              QStringLiteral("第 3 行: 结束记录之后还有内容"));
    EXPECT_EQ(Refusal(ImageFormat::Srec, "S107000001020304EE\nS5030002FA\nS9030000FC\n"),
              QStringLiteral("第 2 行: 记录数为 2, 应为 1"));
    EXPECT_EQ(Refusal(ImageFormat::Hex, QByteArray(HEX_BASE) + HEX_END),
              QStringLiteral("文件中没有数据"));
}

// Data far apart names each region, so that the user sees which one lies apart.
TEST(ImageReader, SpanOver16MiBIsRefusedWithEachRegion) {
    const QByteArray file = QByteArray(HEX_BASE) + HEX_DATA + ":0100100001EE\n" +
                            ":020000041FFFDC\n" + ":017800000186\n" + HEX_END;
    EXPECT_EQ(
        Refusal(ImageFormat::Hex, file),
        QStringLiteral("数据跨度 0x08000000 - 0x1FFF7800 超过 16 MiB: 0x08000000 - 0x08000010 "
                       "(17 Bytes), 0x1FFF7800 - 0x1FFF7800 (1 Bytes)"));
}

// Records whose address field means nothing, an end record with one, and a second start
// address: srec_cat and the intelhex readers refuse them, so tools could read them apart.
TEST(ImageReader, HexRecordsThatPeersRefuseAreRefused) {
    const QByteArray data = QByteArray(HEX_BASE) + HEX_DATA;
    struct Case {
        QByteArray file;
        const char* pRefusal;
    };
    const Case cases[] = {
        {":020010021000DC\n" + data + HEX_END, "第 1 行: 类型 02 的记录地址应为 0000, 是 0010"},
        {data + ":0400100312345678D5\n" + HEX_END, "第 3 行: 类型 03 的记录地址应为 0000, 是 0010"},
        {":020001040800F1\n" + QByteArray(HEX_DATA) + HEX_END,
         "第 1 行: 类型 04 的记录地址应为 0000, 是 0001"},
        {data + ":04800005080000C1AE\n" + HEX_END, "第 3 行: 类型 05 的记录地址应为 0000, 是 8000"},
        {data + ":00000101FE\n", "第 3 行: 类型 01 的记录地址应为 0000, 是 0001"},
        {data + ":04000005080000C12E\n:0400000312345678E5\n" + HEX_END,
         "第 4 行: 第二个起始地址记录"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Refusal(ImageFormat::Hex, c.file), QString::fromUtf8(c.pRefusal));
    // One start address of either kind is the entry: 05 as it stands, 03 as CS x 16 + IP.
    EXPECT_EQ(Converted(ImageFormat::Hex, data + ":04000005080000C12E\n" + HEX_END).entry,
              0x080000C1u);
    EXPECT_EQ(Converted(ImageFormat::Hex, data + ":0400000312345678E5\n" + HEX_END).entry,
              0x12340u + 0x5678u);
    EXPECT_FALSE(Converted(ImageFormat::Hex, data + HEX_END).entry);
}
