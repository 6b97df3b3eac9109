#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <string_view>

#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/OutputFormat.h"
#include "firmware/workspace/Workspace.h"
#include "platform/FileOpen.h"
#include "tests/firmware/workspace/FirmwareTestSupport.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/SystemFiles.h"

namespace {

class FirmwareMerge : public FirmwareTest {
protected:
    // Accepts a boot loader and an App (version 1.05 unless given) and clears the log.
    void LoadBoth(int nBootLength, int nAppLength, std::uint16_t wVersion = 0x0105) {
        m_boot = MakeImage(nBootLength, 0x10);
        BlockFields boot;
        boot.wType = 0x0101;
        PutBlock(m_boot, 0x100, boot);
        InspectBoot(WriteImage("boot.bin", m_boot));
        m_app = MakeImage(nAppLength, 0x60);
        BlockFields app;
        app.wType = 0x0301;
        app.w8 = wVersion;
        PutBlock(m_app, 0x100, app);
        InspectApp(WriteImage("AppX.bin", m_app), QStringLiteral("AppX"));
        TakeLogLines();
    }

    QByteArray m_boot;
    QByteArray m_app;
};

}  // namespace

TEST_F(FirmwareMerge, LayoutSizesNameAndLogLines) {
    LoadBoth(3000, 20000);
    const QString strOut = m_tmp.File("out.bin");
    EXPECT_EQ(MergeAndSave(strOut), 1);
    EXPECT_EQ(m_strProposedName, QStringLiteral("AppX_1.05"));
    EXPECT_EQ(m_strOutputPath, strOut);
    EXPECT_EQ(
        TakeLogLines(),
        (QStringList{
            "Btldr File Size 3000 ", "App File Size 20000 ", "Firmware File Size 24096 ",
            QString::fromUtf8("创建 File ") + Native(strOut) + QString::fromUtf8(" = 成功"),
            QString::fromUtf8("保存 File ") + Native(strOut) + QString::fromUtf8(" = 完成")}));
    QByteArray out = ReadAllBytes(strOut);
    ASSERT_EQ(out.size(), 24096);
    EXPECT_EQ(out.left(3000), m_boot);
    EXPECT_EQ(out.mid(3000, 1096), QByteArray(1096, '\0'));
    EXPECT_EQ(out.mid(4096), m_app);
    EXPECT_EQ(static_cast<unsigned char>(out[0x1100]), 0x55);  // the App's block at 0x1100
    EXPECT_EQ(static_cast<unsigned char>(out[0x1101]), 0xAA);
    EXPECT_EQ(m_ws.nFirmwareSize, 24096);
}

TEST_F(FirmwareMerge, LongBootLoaderIsCutAndPlainAppIsNamedAll) {
    LoadBoth(10000, 500, 0x0005);  // major 0: named "_all"
    m_wnd.m_answers = {true};      // code past 4096 is cut off: saved all the same
    MergeAndSave(m_tmp.File("out.bin"));
    EXPECT_EQ(m_strProposedName, QStringLiteral("AppX_all"));
    const QStringList lines = TakeLogLines();
    EXPECT_EQ(lines.first(), QStringLiteral("Btldr File Size 10000 "));
    EXPECT_TRUE(lines[3].startsWith(QString::fromUtf8("检查 bootCut = 失败, ")));
    QByteArray out = ReadAllBytes(m_tmp.File("out.bin"));
    EXPECT_EQ(out, m_boot.left(4096) + m_app);
}

TEST_F(FirmwareMerge, AppTakenOutOfAMergedImageFollowsTheSeparateBootLoader) {
    LoadBoth(4096, 1000);
    QByteArray merged = MakeImage(4096 + 7000, 0x70);
    BlockFields boot;
    boot.wType = 0x0102;
    PutBlock(merged, 0x100, boot);
    BlockFields app;
    app.wType = 0x0301;
    app.w8 = 0x0203;
    PutBlock(merged, 0x1100, app);
    m_wnd.m_answers = {true};
    InspectApp(WriteImage("Merged.bin", merged), QStringLiteral("Merged"));
    MergeAndSave(m_tmp.File("out.bin"));
    EXPECT_EQ(m_strProposedName, QStringLiteral("Merged_2.03"));
    EXPECT_EQ(ReadAllBytes(m_tmp.File("out.bin")), m_boot + merged.mid(4096));
}

TEST_F(FirmwareMerge, MissingImagesStopAfterTheSizeLines) {
    EXPECT_EQ(MergeAndSave(), 0);
    EXPECT_EQ(
        TakeLogLines(),
        (QStringList{"Btldr File Size 0 ", "App File Size 0 ",
                     QString::fromUtf8("合成固件 = 失败, 未加载 BootLoader 文件和 App 文件")}));
    EXPECT_EQ(m_nSaveDialogs, 0);
    EXPECT_EQ(ProposedFirmwareName(m_ws), QStringLiteral("_all"));

    QByteArray boot = MakeImage(4096);
    BlockFields f;
    PutBlock(boot, 0x100, f);
    InspectBoot(WriteImage("boot.bin", boot));
    TakeLogLines();
    MergeAndSave();
    EXPECT_EQ(TakeLogLines().last(), QString::fromUtf8("合成固件 = 失败, 未加载 App 文件"));
    EXPECT_EQ(m_nSaveDialogs, 0);
}

TEST_F(FirmwareMerge, CancelledSaveKeepsTheMergeForLater) {
    LoadBoth(4096, 1000);
    EXPECT_EQ(MergeAndSave(), 0);
    EXPECT_EQ(m_nSaveDialogs, 1);
    EXPECT_FALSE(!m_strOutputPath.isNull());
    EXPECT_EQ(m_ws.nFirmwareSize, 5096);
    EXPECT_TRUE(SaveFirmwareFile(m_ws, m_tmp.File("later.bin"), MergeOptions()).Done());
    EXPECT_EQ(ReadAllBytes(m_tmp.File("later.bin")).size(), 5096);
}

TEST_F(FirmwareMerge, FailedCreateAndFailedWriteLeaveTheOldFile) {
    LoadBoth(4096, 20000);
    const QString strNoFolder = m_tmp.File("no/such/folder/out.bin");
    EXPECT_EQ(MergeAndSave(strNoFolder), 0);
    // The reason is the system's, whatever words it uses.
    EXPECT_TRUE(TakeLogLines().last().startsWith(
        QString::fromUtf8("创建 File ") + Native(strNoFolder) + QString::fromUtf8(" = 失败, ")));
    EXPECT_EQ(m_strOutputPath, strNoFolder);

    // A write that fails half-way (the file size limit stands in for a full disk).
    if (!FileSizeLimit::Supported()) GTEST_SKIP() << "no file size limit here";
    const QString strOld = m_tmp.File("old.bin");
    WriteAllBytes(strOld, "the old firmware");
    int nSaved = 0;
    {
        FileSizeLimit limit(8192);
        nSaved = SaveFirmwareFile(m_ws, strOld, MergeOptions()).Done() ? 1 : 0;
    }
    EXPECT_EQ(nSaved, 0);
    // The system's own reason, not "Unknown error"; and no "创建 = 成功" for a file that
    // never came to be.
    EXPECT_EQ(TakeLogLines(), QStringList{QString::fromUtf8("创建 File ") + Native(strOld) +
                                          QString::fromUtf8(" = 失败, ") + SystemErrorText(EFBIG)});
    EXPECT_EQ(ReadAllBytes(strOld), QByteArray("the old firmware"));
}

TEST_F(FirmwareMerge, ATargetThatIsNoRegularFileIsNeverReplaced) {
    LoadBoth(4096, 20000);
    const QString strFifo = m_tmp.File("fifo");
    const QString strNull = m_tmp.File("null.bin");
    QStringList targets{m_tmp.Path(), NullDevice()};
    if (MakeFifo(strFifo)) targets << strFifo;
    // A link to the null device: the link is followed (the Windows .lnk is a plain file).
    if (NullDevice().startsWith(QLatin1Char('/'))) {
        ASSERT_TRUE(QFile::link(NullDevice(), strNull));
        targets << strNull;
    }
    for (const QString& strTarget : targets) {
        EXPECT_FALSE(SaveFirmwareFile(m_ws, strTarget, MergeOptions()).Done());
        EXPECT_EQ(TakeLogLines(), QStringList{QString::fromUtf8("保存 File ") + Native(strTarget) +
                                              QString::fromUtf8(" = 失败, 不是普通文件")});
    }
    EXPECT_FALSE(QFileInfo(strFifo).isFile());
    EXPECT_FALSE(QFileInfo(strNull).isFile());
}

TEST_F(FirmwareMerge, AFileInAFolderThatRefusesNewFilesIsWrittenInPlace) {
    LoadBoth(4096, 20000);
    const QString strFolder = m_tmp.File("locked");
    const QString strTarget = strFolder + QStringLiteral("/fw.bin");
    ASSERT_TRUE(QDir().mkpath(strFolder));
    WriteAllBytes(strTarget, "old");
    if (!FolderRefusesNewFiles(strFolder, true)) GTEST_SKIP() << "cannot lock a folder here";
    const int nSaved = SaveFirmwareFile(m_ws, strTarget, MergeOptions()).Done() ? 1 : 0;
    FolderRefusesNewFiles(strFolder, false);
    EXPECT_EQ(nSaved, 1);
    const QStringList lines = TakeLogLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], QString::fromUtf8("保存 File ") + Native(strTarget) +
                            QString::fromUtf8(" = 直接写入, 文件夹不可写, 不是原子保存"));
    EXPECT_EQ(ReadAllBytes(strTarget),
              QByteArray(reinterpret_cast<const char*>(m_ws.FirmwareBuf), m_ws.nFirmwareSize));

    // On a full disk (the size limit stands in) the old content stays, byte for byte.
    if (!FileSizeLimit::Supported()) return;
    ASSERT_TRUE(MergeFirmwareImages(m_ws, MergeOptions()).Done());
    WriteAllBytes(strTarget, "old");
    FolderRefusesNewFiles(strFolder, true);
    {
        FileSizeLimit limit(8192);
        EXPECT_FALSE(SaveFirmwareFile(m_ws, strTarget, MergeOptions()).Done());
    }
    FolderRefusesNewFiles(strFolder, false);
    EXPECT_EQ(TakeLogLines().last(), QString::fromUtf8("保存 File ") + Native(strTarget) +
                                         QString::fromUtf8(" = 失败, ") + SystemErrorText(EFBIG));
    EXPECT_EQ(ReadAllBytes(strTarget), QByteArray("old"));
}

TEST_F(FirmwareMerge, AnOutputThatIsAnInputIsNeverWritten) {
    LoadBoth(4096, 20000);
    const QString strBoot = m_tmp.File("boot.bin");
    QStringList outputs{strBoot, m_tmp.File("AppX.bin")};
    // A symbolic link to an input (on Windows QFile::link makes a shortcut file instead).
    if (NullDevice().startsWith(QLatin1Char('/')) &&
        QFile::link(m_tmp.File("AppX.bin"), m_tmp.File("link.bin"))) {
        outputs << m_tmp.File("link.bin");
    }
    for (const QString& strOut : outputs) {
        EXPECT_FALSE(SaveFirmwareFile(m_ws, strOut, MergeOptions()).Done());
        EXPECT_EQ(TakeLogLines(), QStringList{QString::fromUtf8("保存 File ") + Native(strOut) +
                                              QString::fromUtf8(" = 失败, 是输入文件")});
    }
    EXPECT_EQ(ReadAllBytes(strBoot), m_boot);
    EXPECT_EQ(ReadAllBytes(m_tmp.File("AppX.bin")), m_app);
}

TEST_F(FirmwareMerge, FailedLayoutChecksAreLoggedAndAskedBeforeTheSave) {
    LoadBoth(4096, 20000);
    InspectApp(WriteImage("Moved.bin", MakeMovedApp(20000)), QStringLiteral("Moved"));
    TakeLogLines();
    m_wnd.m_answers = {false};
    EXPECT_EQ(MergeAndSave(m_tmp.File("out.bin")), 0);
    const QStringList lines = TakeLogLines();
    ASSERT_GE(lines.size(), 5);
    EXPECT_TRUE(lines[3].startsWith(QString::fromUtf8("检查 appAddress = 失败, ")));
    EXPECT_EQ(lines.last(), QString::fromUtf8("合成固件 = 取消"));
    EXPECT_TRUE(m_wnd.m_questions.last().startsWith(QString::fromUtf8("合成的固件有 2 项")));
    EXPECT_EQ(m_nSaveDialogs, 0);
    EXPECT_FALSE(QFile::exists(m_tmp.File("out.bin")));
    EXPECT_EQ(m_ws.nFirmwareSize, 24096);  // the merge stays for a later save
}

TEST_F(FirmwareMerge, FillBytePadsTheBootLoaderAndIsLogged) {
    LoadBoth(3000, 20000);
    MergeOptions options;
    options.byFill = 0xFF;
    ASSERT_TRUE(MergeFirmwareImages(m_ws, options).Done());
    EXPECT_TRUE(SaveFirmwareFile(m_ws, m_tmp.File("out.bin"), options).Done());
    EXPECT_EQ(TakeLogLines().mid(1, 2),
              (QStringList{"App File Size 20000 ", QStringLiteral("Fill Byte 0xFF")}));
    EXPECT_EQ(ReadAllBytes(m_tmp.File("out.bin")), m_boot + QByteArray(1096, '\xFF') + m_app);
}

TEST_F(FirmwareMerge, HexAtABaseThatOverflowsIsRefusedBeforeTheSaveDialog) {
    LoadBoth(4096, 1000);
    MergeOptions options;
    options.nFormat = FORMAT_HEX;
    options.bBaseGiven = true;
    options.dwBase = 0xFFFFF000u;
    EXPECT_EQ(MergeFirmwareImages(m_ws, options).reason, CoreReason::AddressOverflow);
    EXPECT_EQ(
        TakeLogLines().last(),
        QString::fromUtf8("合成固件 = 失败, 起始地址 0xFFFFF000 加 5096 Bytes 超出 32 位地址"));
    options.dwBase = 0xFFFFFFFFu - 5095;  // the last byte at 0xFFFFFFFF still fits
    EXPECT_TRUE(MergeFirmwareImages(m_ws, options).Done());
    EXPECT_TRUE(SaveFirmwareFile(m_ws, m_tmp.File("out.hex"), options).Done());
    EXPECT_TRUE(ReadAllBytes(m_tmp.File("out.hex")).startsWith(":02000004FFFFFC\r\n"));
}

namespace {

// The merged image of two fixture files, as the buttons would take them.
QByteArray MergeOf(FirmwareWorkspace& ws, CScriptedPrompts& prompts, const char* pBoot,
                   const char* pApp) {
    const QString strDir = QStringLiteral(ARM_FIXTURES_DIR "/");
    EXPECT_TRUE(InspectBootLoaderFile(ws, prompts, strDir + QLatin1String(pBoot)).bAccepted)
        << pBoot;
    EXPECT_TRUE(
        InspectAppFile(ws, prompts, strDir + QLatin1String(pApp), QStringLiteral("app")).bAccepted)
        << pApp;
    EXPECT_TRUE(MergeFirmware(ws, prompts, MergeOptions()).Done());
    return QByteArray(reinterpret_cast<const char*>(ws.FirmwareBuf), ws.nFirmwareSize);
}

}  // namespace

// Real Cortex-M programs built by arm-none-eabi-gcc: a merge from their ELF, HEX or S-record
// forms is the merge of the binaries objcopy made, and they pass every layout check.
TEST_F(FirmwareMerge, BuildOutputsMergeAsObjcopysBinaries) {
    if (std::string_view(ARM_FIXTURES_DIR).empty()) GTEST_SKIP() << "no Arm fixtures built";
    const QByteArray expected = MergeOf(m_ws, m_wnd, "boot.bin", "app.bin");
    EXPECT_EQ(MergeOf(m_ws, m_wnd, "boot.elf", "app.elf"), expected);
    EXPECT_EQ(MergeOf(m_ws, m_wnd, "boot-rev.hex", "app-rev.srec"), expected);
    EXPECT_EQ(MergeOf(m_ws, m_wnd, "boot-64.elf", "app-crlf.hex"), expected);
    const QStringList lines = TakeLogLines();
    EXPECT_TRUE(lines.contains(QString::fromUtf8("转换 File ") +
                               Native(QStringLiteral(ARM_FIXTURES_DIR "/boot.elf")) +
                               QString::asprintf(" = 成功, ELF 0x08000000 - 0x%08X, %d Bytes, 2 段",
                                                 0x08000000 + m_ws.nBootSize - 1, m_ws.nBootSize)));
    EXPECT_TRUE(m_ws.bootSource.bHasAddress);
    EXPECT_EQ(m_ws.appSource.dwStart, 0x08001000u);
}
