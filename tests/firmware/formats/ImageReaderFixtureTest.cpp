// Programs built with arm-none-eabi-gcc, in every form objcopy and srec_cat write: each must
// read as exactly the bytes of objcopy's binary, at the program's link address, in the segments
// and with the entry address of its ELF file.
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
    // srec_cat writes a type 03 start record with the halves of the address as CS and IP,
    // which addresses CS x 16 + IP (and srec_cat reads it back so).
    bool bEntryAsCsIp = false;
};
constexpr Form FORMS[] = {
    {".elf", ImageFormat::Elf, 0},
    {"-64.elf", ImageFormat::Elf, 0},
    {".hex", ImageFormat::Hex, 0},
    {"-32.hex", ImageFormat::Hex, 0},
    {"-seg.hex", ImageFormat::Hex, 0x07FF0000, true},
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

ImageData Read(const QByteArray& file) {
    ImageData image;
    QString strError;
    EXPECT_TRUE(ConvertImage(DetectImageFormat(file), file, image, strError))
        << strError.toStdString();
    return image;
}

std::vector<std::pair<std::uint32_t, qsizetype>> Spans(const ImageData& image,
                                                       std::uint32_t dwMovedDown = 0) {
    std::vector<std::pair<std::uint32_t, qsizetype>> spans;
    for (const ImageSegment& segment : image.segments)
        spans.emplace_back(segment.dwAddress + dwMovedDown, segment.bytes.size());
    return spans;
}

std::uint32_t ElfEntry(const QByteArray& elf) {
    return qFromLittleEndian<quint32>(elf.constData() + 24);
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
        const QByteArray elfFile = ReadFixture(strName + QStringLiteral(".elf"));
        // The programs are what the test claims: a block at 0x100 and a gap before the tail.
        ASSERT_GT(bin.size(), 0xC00) << program.pName;
        EXPECT_EQ(qFromLittleEndian<quint16>(bin.constData() + 0x100), 0xAA55);
        EXPECT_EQ(qFromLittleEndian<quint16>(bin.constData() + 0x102), program.wType);
        EXPECT_EQ(DetectImageFormat(bin), ImageFormat::Bin);
        const ImageData elf = Read(elfFile);
        ASSERT_EQ(elf.segments.size(), 2u);  // code and data, then the tail
        for (const Form& form : FORMS) {
            SCOPED_TRACE(program.pName + std::string(form.pSuffix));
            const QByteArray file = ReadFixture(strName + QLatin1String(form.pSuffix));
            ASSERT_FALSE(file.isEmpty());
            EXPECT_EQ(DetectImageFormat(file), form.format);
            const ImageData image = Read(file);
            EXPECT_TRUE(FlatImage(image, 0x00) == bin);
            EXPECT_TRUE(image.bHasAddress);
            EXPECT_EQ(image.format, form.format);
            EXPECT_EQ(image.Start(), program.dwLink - form.dwMovedDown);
            EXPECT_EQ(image.Last(), image.Start() + static_cast<std::uint32_t>(bin.size()) - 1);
            EXPECT_EQ(Spans(image, form.dwMovedDown), Spans(elf));
            const std::uint32_t dwEntry = ElfEntry(elfFile) - form.dwMovedDown;
            EXPECT_EQ(image.entry,
                      form.bEntryAsCsIp ? ((dwEntry >> 16) << 4) + (dwEntry & 0xFFFF) : dwEntry);
        }
    }
}

TEST(ImageReaderFixture, FillByteFillsTheGapsAsObjcopysGapFill) {
    SKIP_WITHOUT_ARM_FIXTURES();
    for (const char* pName : {"app.elf", "app-rev.hex", "app-32.srec"}) {
        EXPECT_TRUE(FlatImage(Read(ReadFixture(QLatin1String(pName))), 0xFF) ==
                    ReadFixture(QStringLiteral("app-ff.bin")))
            << pName;
    }
}

// Linked with FILEHDR PHDRS, the first loadable segment starts 4 KiB early with the ELF
// headers: the image is the sections, as objcopy's binary and HEX of the same build have it.
// Only without section headers is the whole segment loaded, headers and all.
TEST(ImageReaderFixture, HeadersInTheFirstSegmentAreNoPartOfTheImage) {
    SKIP_WITHOUT_ARM_FIXTURES();
    QByteArray elfFile = ReadFixture(QStringLiteral("app-phdrs.elf"));
    const QByteArray bin = ReadFixture(QStringLiteral("app-phdrs.bin"));
    ASSERT_TRUE(bin == ReadFixture(QStringLiteral("app.bin")));
    const ImageData elf = Read(elfFile);
    const ImageData hex = Read(ReadFixture(QStringLiteral("app-phdrs.hex")));
    EXPECT_TRUE(FlatImage(elf, 0x00) == bin);
    EXPECT_EQ(elf.Start(), 0x08001000u);
    EXPECT_EQ(Spans(elf), Spans(hex));
    EXPECT_EQ(elf.entry, hex.entry);
    EXPECT_EQ(elf.entry, ElfEntry(elfFile));

    qToLittleEndian<quint32>(0, elfFile.data() + 32);  // e_shoff
    qToLittleEndian<quint16>(0, elfFile.data() + 48);  // e_shnum
    const QByteArray whole = FlatImage(Read(elfFile), 0x00);
    EXPECT_TRUE(
        whole.startsWith("\x7f"
                         "ELF"));
    EXPECT_TRUE(whole.mid(0x1000) == bin);
}

// An ELF made wrong in one place each, from the real one.
TEST(ImageReaderFixture, ElfFaultsAreRefused) {
    SKIP_WITHOUT_ARM_FIXTURES();
    const QByteArray elf = ReadFixture(QStringLiteral("boot.elf"));
    ASSERT_GT(elf.size(), 52);
    const auto refusal = [](const QByteArray& file) {
        ImageData image;
        image.entry = 7;
        QString strError;
        EXPECT_FALSE(ConvertImage(ImageFormat::Elf, file, image, strError));
        EXPECT_EQ(image.entry, 7u);  // untouched
        return strError;
    };
    QByteArray bigEndian = elf;
    bigEndian[5] = 2;
    EXPECT_EQ(refusal(bigEndian), QStringLiteral("ELF 文件是大端格式"));
    QByteArray noSegments = elf;
    noSegments[44] = noSegments[45] = 0;  // e_phnum
    EXPECT_EQ(refusal(noSegments), QStringLiteral("ELF 节 1 (.text) 不在任何可加载的程序段中"));
    noSegments[48] = noSegments[49] = 0;  // e_shnum
    EXPECT_EQ(refusal(noSegments), QStringLiteral("ELF 文件没有可加载的数据"));
    EXPECT_EQ(refusal(elf.left(100)), QStringLiteral("ELF 程序头超出文件末尾"));
    // The file cut in the middle of its last segment (the tail).
    const auto* pHeaders = reinterpret_cast<const uchar*>(elf.constData()) +
                           qFromLittleEndian<quint32>(elf.constData() + 28);
    const auto nTail = qFromLittleEndian<quint32>(pHeaders + 2 * 32 + 4);
    EXPECT_EQ(refusal(elf.left(nTail + 4)), QStringLiteral("ELF 程序段 2 超出文件末尾"));
}
