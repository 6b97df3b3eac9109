#include <gtest/gtest.h>
#include <windows.h>

#include <QCoreApplication>

#include "config/CatalogueSearch.h"
#include "log/LogText.h"
#include "platform/FileSystem.h"
#include "tests/support/TempFolder.h"

// scripts/windows-test runs this without a drive D:, then again with one that Wine maps to a
// temporary folder and names in QUORRIX_WINE_DRIVE_D.
TEST(WindowsFolders, LogsGoToDriveDOrWithoutItToTheLocalAppDataFolder) {
    TempFolder tmp;  // LOCALAPPDATA is its state folder
    const bool bDriveD = qEnvironmentVariableIsSet("QUORRIX_WINE_DRIVE_D");
    ASSERT_EQ(GetDriveTypeW(L"D:\\") != DRIVE_NO_ROOT_DIR, bDriveD);
    EXPECT_EQ(LogRootFolder(), bDriveD ? QStringLiteral("D:/logs/Quorrix")
                                       : QDir::fromNativeSeparators(tmp.File("state")) +
                                             QStringLiteral("/Quorrix/logs"));
}

TEST(WindowsFolders, LoggedPathsAndTheCatalogueFolder) {
    EXPECT_EQ(PathForLog(QStringLiteral("C:/Firmware/boot\t.bin")),
              QStringLiteral("C:\\Firmware\\boot\\t.bin"));
    EXPECT_EQ(ToNativeSeparators(QStringLiteral("./Log/2024-05-01")),
              QStringLiteral(".\\Log\\2024-05-01"));
    EXPECT_EQ(CatalogueSearchPaths(),
              QStringList({QStringLiteral("./DeviceList.Ini"),
                           QCoreApplication::applicationDirPath() + "/DeviceList.Ini"}));
}
