#include <gtest/gtest.h>

#include <QDir>

#include "config/CatalogueSearch.h"
#include "config/DeviceCatalogue.h"
#include "tests/support/TempFolder.h"

TEST(CatalogueSearch, StartFolderFirstThenTheConfigFolderThenNothing) {
    TempFolder tmp;
    ScopedEnv config("XDG_CONFIG_HOME", QFile::encodeName(tmp.File("config")));
    const QStringList paths = CatalogueSearchPaths();
    ASSERT_EQ(paths, QStringList({QStringLiteral("./DeviceList.Ini"),
                                  tmp.File("config/Quorrix/DeviceList.Ini")}));
    const CatalogueLoad none = LoadDeviceCatalogue(paths);
    EXPECT_TRUE(none.strPath.isEmpty());
    EXPECT_EQ(none.strTried, paths.join(QStringLiteral("; ")));
    EXPECT_EQ(GetDeviceName(0x0A01), QStringLiteral("Device 0A(01)"));

    QDir().mkpath(tmp.File("config/Quorrix"));
    WriteAllBytes(paths[1], "[FAMILY]\n0A=Config\n");
    EXPECT_EQ(LoadDeviceCatalogue(paths).strPath, paths[1]);
    EXPECT_EQ(GetDeviceName(0x0A01), QStringLiteral("Config(01)"));
    WriteAllBytes(tmp.File("DeviceList.Ini"), "[FAMILY]\n0A=Here\n");
    EXPECT_EQ(LoadDeviceCatalogue(paths).strPath, paths[0]);
    EXPECT_EQ(GetDeviceName(0x0A01), QStringLiteral("Here(01)"));
    g_DeviceList.Clear();
}

TEST(CatalogueSearch, HomeConfigFolderWhenTheVariableIsUnset) {
    ScopedEnv config("XDG_CONFIG_HOME", QByteArray());
    EXPECT_EQ(CatalogueSearchPaths().value(1),
              QDir::homePath() + "/.config/Quorrix/DeviceList.Ini");
}
