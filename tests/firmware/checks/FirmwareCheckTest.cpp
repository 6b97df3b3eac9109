// verify and diff over images in memory, against golden texts in tests/data.
#include <gtest/gtest.h>

#include "firmware/checks/FirmwareDiff.h"
#include "firmware/checks/FirmwareVerify.h"
#include "tests/support/ImageBuilder.h"
#include "tests/support/TempFolder.h"

namespace {

QByteArray Golden(const char* pName) {
    return ReadAllBytes(QStringLiteral(TEST_DATA_DIR "/") + QString::fromLatin1(pName));
}

QByteArray Image(int nLength, std::uint16_t wType, std::size_t nBlockAt, char cFill) {
    QByteArray image = MakeImage(nLength, cFill);
    BlockFields f;
    f.wType = wType;
    f.w8 = 0x0105;
    if (static_cast<qsizetype>(nBlockAt + 32) <= image.size()) PutBlock(image, nBlockAt, f);
    return image;
}

class FirmwareCheck : public testing::Test {
protected:
    // As merge builds it with the fill byte 0xFF: the boot loader of 3000 bytes, then the App.
    FirmwareCheck()
        : m_boot(Image(3000, 0x0102, 0x100, 0x10)), m_app(Image(20000, 0x0301, 0x100, 0x60)) {
        m_ref.bHasBoot = m_ref.bHasApp = true;
        m_ref.boot = m_boot;
        m_ref.app = m_app;
        m_ref.byFill = 0xFF;
        m_merged = m_boot + QByteArray(1096, '\xFF') + m_app;
    }

    QByteArray m_boot, m_app, m_merged;
    VerifyReference m_ref;
};

}  // namespace

TEST_F(FirmwareCheck, VerifyNamesEveryFaultWithItsOffset) {
    QByteArray flipped = m_merged;
    flipped[0x0BB8] = 0x00;  // the first fill byte
    flipped[0x2345] = static_cast<char>(flipped[0x2345] ^ 0x01);
    QByteArray blockTwoMissing = m_merged;
    blockTwoMissing[0x1100] = 0x00;
    const QByteArray bootWhereTheAppShouldBe = m_merged.left(4096) + m_boot;
    const QByteArray appTooLong = m_merged + QByteArray(131072 - 20000 + 1, '\x01');
    const std::pair<const char*, QByteArray> cases[] = {
        {"merged as meant", m_merged},
        {"two bytes changed", flipped},
        {"truncated inside block 2", m_merged.left(0x1110)},
        {"a boot loader alone", m_boot},
        {"block 2 missing", blockTwoMissing},
        {"a boot loader where the App should be", bootWhereTheAppShouldBe},
        {"App part over 131072 bytes", appTooLong},
    };
    QString strOut;
    for (const auto& [pName, image] : cases) {
        strOut += QStringLiteral("== %1\n").arg(QString::fromLatin1(pName));
        for (const VerifyCheck& check : VerifyFirmwareImage(image, m_ref)) {
            strOut += VerifyLine(check) + QLatin1Char('\n');
        }
    }
    EXPECT_EQ(strOut.toUtf8(), Golden("verify.expected"));
    // Without reference files the image's own checks run, then the six layout checks.
    EXPECT_EQ(VerifyFirmwareImage(m_merged, VerifyReference()).size(), 4u + 6u);
    EXPECT_EQ(VerifyFirmwareImage(flipped, m_ref)[4].nOffset, 0x0BB8);
}

TEST_F(FirmwareCheck, DiffComparesBlocksFieldByFieldThenBytes) {
    QByteArray newer = m_merged;
    BlockFields f;
    f.wType = 0x0301;
    f.w8 = 0x0106;  // version 1.06
    PutBlock(newer, 0x1100, f);
    newer.append("tail");
    const FirmwareDiff diff = DiffFirmwareImages(m_merged, newer);
    EXPECT_FALSE(diff.bIdentical);
    EXPECT_EQ(diff.nFirstDifference, 0x1108);
    EXPECT_EQ(diff.nDifferingBytes, 1 + 4);
    const FirmwareDiff shortOne = DiffFirmwareImages(m_app.left(200), m_app);
    EXPECT_EQ((diff.lines + QStringList{"=="} + shortOne.lines).join('\n').toUtf8() + '\n',
              Golden("diff.expected"));

    const FirmwareDiff same = DiffFirmwareImages(m_merged, m_merged);
    EXPECT_TRUE(same.bIdentical);
    EXPECT_EQ(same.lines.last(), QStringLiteral("identical: A 24096 bytes, B 24096 bytes"));
    EXPECT_FALSE(same.lines.join('\n').contains('*'));
}
