// Bad input of each kind, as small texts: refused with what and where, the image untouched.
#include <gtest/gtest.h>

#include "firmware/formats/ImageReader.h"

namespace {

constexpr char HEX_BASE[] = ":020000040800F2\n";      // upper address 0x0800
constexpr char HEX_DATA[] = ":0400000001020304F2\n";  // 01 02 03 04 at offset 0
constexpr char HEX_END[] = ":00000001FF\n";

QString Refusal(ImageFormat format, const QByteArray& file) {
    ImageData image;
    image.bytes = "kept";
    QString strError;
    EXPECT_FALSE(ConvertImage(format, file, 0, image, strError));
    EXPECT_EQ(image.bytes, QByteArray("kept"));
    return strError;
}

ImageData Converted(ImageFormat format, const QByteArray& file) {
    ImageData image;
    QString strError;
    EXPECT_TRUE(ConvertImage(format, file, 0, image, strError)) << strError.toStdString();
    return image;
}

}  // namespace

TEST(ImageReader, FormatIsKnownByContent) {
    EXPECT_EQ(DetectImageFormat(QByteArray("\x7f"
                                           "ELF\x01\x01")),
              ImageFormat::Elf);
    EXPECT_EQ(DetectImageFormat(QByteArray(":00000001ff\r\nrest")), ImageFormat::Hex);
    EXPECT_EQ(DetectImageFormat(QByteArray(HEX_BASE)), ImageFormat::Hex);
    EXPECT_EQ(DetectImageFormat(QByteArray("S00600004844521B\n")), ImageFormat::Srec);
    // A first line that only looks like a record is binary data.
    EXPECT_EQ(DetectImageFormat(QByteArray(":00000001FE\n")), ImageFormat::Bin);
    EXPECT_EQ(DetectImageFormat(QByteArray(":00000001FF \n")), ImageFormat::Bin);
    EXPECT_EQ(DetectImageFormat(QByteArray("S4030000FC\n")), ImageFormat::Bin);
    EXPECT_EQ(DetectImageFormat(QByteArray("\x00\x20\x00\x20", 4)), ImageFormat::Bin);
    EXPECT_EQ(DetectImageFormat(QByteArray()), ImageFormat::Bin);
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
    EXPECT_EQ(last.dwStart, 0xFFFFFFFFu);
    EXPECT_EQ(last.dwLast, 0xFFFFFFFFu);
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
        EXPECT_EQ(image.bytes, QByteArray("\x01\x02\x03\x04"));
        EXPECT_EQ(image.dwStart, 0x08000000u);
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

TEST(ImageReader, SpanOver16MiBIsRefusedWithItsEnds) {
    const QByteArray file =
        QByteArray(HEX_BASE) + ":0100000001FE\n:020000041FFFDC\n" + ":017800000186\n" + HEX_END;
    EXPECT_EQ(Refusal(ImageFormat::Hex, file),
              QStringLiteral("数据跨度 0x08000000 - 0x1FFF7800 超过 16 MiB"));
}
