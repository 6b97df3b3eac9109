#include <gtest/gtest.h>

#include "config/DeviceCatalogue.h"

namespace {
QString Name(std::uint16_t wType) { return GetDeviceName(wType); }
}  // namespace

TEST(DeviceCatalogue, ThreeFormsAndTheSectionsLookupsAdd) {
    g_DeviceList.LoadFromBytes("");
    EXPECT_EQ(Name(0x0000), QStringLiteral("Device 00(00)"));
    EXPECT_EQ(Name(0x1234), QStringLiteral("Device 12(34)"));
    EXPECT_EQ(g_DeviceList.Count(), 1);  // the lookups added an empty FAMILY

    g_DeviceList.LoadFromBytes(
        "[FAMILY]\n0a=Temp\n10=IO\n20=\n30=NoSection\n"
        "[0A]\n01=T1<CR><LF>second line\n"
        "[10]\nff=Relay\n[20]\n01=Unnamed\n");
    EXPECT_EQ(Name(0x0A01), QStringLiteral("Temp, T1\r\nsecond line"));
    EXPECT_EQ(Name(0x0A02), QStringLiteral("Temp(02)"));
    EXPECT_EQ(Name(0x10FF), QStringLiteral("IO, Relay"));
    EXPECT_EQ(Name(0x2001), QStringLiteral(", Unnamed"));
    EXPECT_EQ(Name(0x4001), QStringLiteral("Device 40(01)"));
    const int nBefore = g_DeviceList.Count();
    EXPECT_EQ(Name(0x3001), QStringLiteral("NoSection(01)"));
    EXPECT_EQ(g_DeviceList.Count(), nBefore + 1);
    EXPECT_EQ(Name(0x3001), QStringLiteral("NoSection(01)"));
    EXPECT_EQ(g_DeviceList.Count(), nBefore + 1);
    g_DeviceList.LoadFromBytes("");
}

TEST(DeviceCatalogue, KeysMustBeTwoDigitsWithoutBlank) {
    g_DeviceList.LoadFromBytes("[FAMILY]\n5=short\n0x05=prefixed\n06 =blank\n");
    EXPECT_EQ(Name(0x0500), QStringLiteral("Device 05(00)"));
    EXPECT_EQ(Name(0x0600), QStringLiteral("Device 06(00)"));
    g_DeviceList.LoadFromBytes("");
}
