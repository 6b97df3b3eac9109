#include <gtest/gtest.h>

#include "firmware/checks/InfoBlock.h"
#include "tests/firmware/workspace/FirmwareTestSupport.h"

TEST(InfoBlock, ReadsBothViewsLittleEndian) {
    QByteArray image(0x200, '\0');
    BlockFields f;
    f.wType = 0x0302;
    f.w8 = 0x0105;
    f.w10 = 0x0A01;
    f.w12 = 0x1234;
    f.w14 = 0x0E00;
    f.dwAppAddress = 0x08004000;
    PutBlock(image, INFO_BLOCK1_OFFSET, f);
    auto b = FirmwareInfoBlock::Read(reinterpret_cast<const unsigned char*>(image.constData()),
                                     INFO_BLOCK1_OFFSET);
    EXPECT_TRUE(b.HasMarker());
    EXPECT_EQ(b.TypeCode(), 3);
    EXPECT_EQ(b.TypeVersion(), 2);
    EXPECT_EQ(b.wBootVersion, 0x0105);
    EXPECT_EQ(b.byVerMajor, 1);
    EXPECT_EQ(b.byVerMinor, 5);
    EXPECT_EQ(b.wModuleType, 0x0A01);
    EXPECT_EQ(b.wChipType, 0x0A01);
    EXPECT_EQ(b.wAppSize, 0x1234);
    EXPECT_EQ(b.wCodeSize, 0x0E00);
    EXPECT_EQ(b.dwAppAddress, 0x08004000u);
    // The marker in the wrong byte order is no marker.
    image[0x100] = static_cast<char>(0xAA);
    image[0x101] = 0x55;
    EXPECT_FALSE(FirmwareInfoBlock::Read(reinterpret_cast<const unsigned char*>(image.constData()),
                                         INFO_BLOCK1_OFFSET)
                     .HasMarker());
}

TEST(InfoBlock, LabelsOffsetsAndVersions) {
    QString strReport = QStringLiteral("x");
    EXPECT_EQ(AppendInfoTypeLabel(strReport, 0x0102), 1);
    EXPECT_EQ(strReport, QString::fromUtf8("x (BootLoader 类型1 版本 2) "));
    EXPECT_EQ(InfoTypeLabel(0x02FF), QString::fromUtf8(" (BootLoader 类型2 版本 255) "));
    EXPECT_EQ(InfoTypeLabel(0x0301), QString::fromUtf8(" (App类型1 版本 1) "));
    EXPECT_EQ(InfoTypeLabel(0x0400), QString::fromUtf8(" (App类型2 版本 0) "));
    EXPECT_EQ(InfoTypeLabel(0x0000), QString::fromUtf8(" (未知类型)  "));
    EXPECT_EQ(InfoTypeLabel(0x0500), QString::fromUtf8(" (未知类型)  "));
    EXPECT_EQ(AppendInfoTypeLabel(strReport, 0x0700), 7);

    EXPECT_EQ(AppAddressOffset(0x08004000), 16384);
    EXPECT_EQ(AppAddressOffset(0x08000000), 0);
    EXPECT_EQ(AppAddressOffset(0x00000000), -134217728);
    EXPECT_EQ(AppAddressOffset(0xFFFFFFFF), -134217729);

    EXPECT_EQ(FormatAppVersion(1, 5), QStringLiteral("1.05"));
    EXPECT_EQ(FormatAppVersion(2, 100), QStringLiteral("2.100"));
    EXPECT_EQ(FormatAppVersion(255, 0), QStringLiteral("255.00"));
}
