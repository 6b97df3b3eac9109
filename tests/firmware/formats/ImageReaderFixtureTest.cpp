// Programs built with arm-none-eabi-gcc, in every form objcopy and srec_cat write: each must
// read as exactly the bytes of objcopy's binary, at the program's link address.
#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>
#include <string_view>

#include "firmware/formats/ImageReader.h"

namespace {

struct Program {
    const char* pName;
    std::uint32_t dwLink;
    std::uint16_t wType;
};
constexpr Program PROGRAMS[] = {{"boot", 0x08000000, 0x0101}, {"app", 0x08001000, 0x0301}};

struct Form {
    const char* pSuffix;
    ImageFormat format;
    std::uint32_t dwMovedDown;  // srec_cat moved the data down to fit shorter addresses
};
constexpr Form FORMS[] = {
    {".elf", ImageFormat::Elf, 0},
    {"-64.elf", ImageFormat::Elf, 0},
    {".hex", ImageFormat::Hex, 0},
    {"-32.hex", ImageFormat::Hex, 0},
    {"-seg.hex", ImageFormat::Hex, 0x07FF0000},
    {"-crlf.hex", ImageFormat::Hex, 0},
    {"-rev.hex", ImageFormat::Hex, 0},
    {".srec", ImageFormat::Srec, 0},
    {"-32.srec", ImageFormat::Srec, 0},
    {"-s19.srec", ImageFormat::Srec, 0x08000000},
    {"-rev.srec", ImageFormat::Srec, 0},
};

QByteArray ReadFixture(const QString& strName) {
    QFile file(QStringLiteral(ARM_FIXTURES_DIR "/") + strName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#define SKIP_WITHOUT_ARM_FIXTURES()                                                        \
    if (std::string_view(ARM_FIXTURES_DIR).empty())                                        \
    GTEST_SKIP() << "arm-none-eabi-gcc, objcopy or srec_cat was not found when the build " \
                    "was configured: no images to read"

}  // namespace

TEST(ImageReaderFixture, EveryFormReadsAsObjcopysBinary) {
    SKIP_WITHOUT_ARM_FIXTURES();
    for (const Program& program : PROGRAMS) {
        const QString strName = QString::fromLatin1(program.pName);
        const QByteArray bin = ReadFixture(strName + QStringLiteral(".bin"));
        // The programs are what the test claims: a block at 0x100 and a gap before the tail.
        ASSERT_GT(bin.size(), 0xC00) << program.pName;
        EXPECT_EQ(qFromLittleEndian<quint16>(bin.constData() + 0x100), 0xAA55);
        EXPECT_EQ(qFromLittleEndian<quint16>(bin.constData() + 0x102), program.wType);
        EXPECT_EQ(DetectImageFormat(bin.left(1024)), ImageFormat::Bin);
        for (const Form& form : FORMS) {
            SCOPED_TRACE(program.pName + std::string(form.pSuffix));
            const QByteArray file = ReadFixture(strName + QLatin1String(form.pSuffix));
            ASSERT_FALSE(file.isEmpty());
            EXPECT_EQ(DetectImageFormat(file.left(1024)), form.format);
            ImageData image;
            QString strError;
            ASSERT_TRUE(ConvertImage(form.format, file, 0x00, image, strError))
                << strError.toStdString();
            EXPECT_TRUE(image.bytes == bin);
            EXPECT_TRUE(image.bHasAddress);
            EXPECT_EQ(image.format, form.format);
            EXPECT_EQ(image.dwStart, program.dwLink - form.dwMovedDown);
            EXPECT_EQ(image.dwLast, image.dwStart + static_cast<std::uint32_t>(bin.size()) - 1);
        }
    }
}

TEST(ImageReaderFixture, FillByteFillsTheGapsAsObjcopysGapFill) {
    SKIP_WITHOUT_ARM_FIXTURES();
    for (const char* pName : {"app.elf", "app-rev.hex", "app-32.srec"}) {
        const QByteArray file = ReadFixture(QLatin1String(pName));
        ImageData image;
        QString strError;
        ASSERT_TRUE(ConvertImage(DetectImageFormat(file), file, 0xFF, image, strError)) << pName;
        EXPECT_TRUE(image.bytes == ReadFixture(QStringLiteral("app-ff.bin"))) << pName;
    }
}

// An ELF made wrong in one place each, from the real one.
TEST(ImageReaderFixture, ElfFaultsAreRefused) {
    SKIP_WITHOUT_ARM_FIXTURES();
    const QByteArray elf = ReadFixture(QStringLiteral("boot.elf"));
    ASSERT_GT(elf.size(), 52);
    const auto refusal = [](const QByteArray& file) {
        ImageData image;
        image.dwStart = 7;
        QString strError;
        EXPECT_FALSE(ConvertImage(ImageFormat::Elf, file, 0, image, strError));
        EXPECT_EQ(image.dwStart, 7u);  // untouched
        return strError;
    };
    QByteArray bigEndian = elf;
    bigEndian[5] = 2;
    EXPECT_EQ(refusal(bigEndian), QStringLiteral("ELF 文件是大端格式"));
    QByteArray noSegments = elf;
    noSegments[44] = noSegments[45] = 0;  // e_phnum
    EXPECT_EQ(refusal(noSegments), QStringLiteral("ELF 文件没有可加载的数据"));
    EXPECT_EQ(refusal(elf.left(100)), QStringLiteral("ELF 程序头超出文件末尾"));
    // The file cut in the middle of its last segment (the tail).
    const auto* pHeaders = reinterpret_cast<const uchar*>(elf.constData()) +
                           qFromLittleEndian<quint32>(elf.constData() + 28);
    const auto nTail = qFromLittleEndian<quint32>(pHeaders + 2 * 32 + 4);
    EXPECT_EQ(refusal(elf.left(nTail + 4)), QStringLiteral("ELF 程序段 2 超出文件末尾"));
}
