#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/InputFile.h"
#include "firmware/workspace/Workspace.h"
#include "tests/firmware/workspace/FirmwareTestSupport.h"
#include "tests/support/SystemFiles.h"

namespace {

BlockFields BootFields() {
    BlockFields f;
    f.wType = 0x0102;
    f.w8 = 0x0203;
    f.w10 = 0x0A01;
    f.w12 = 0x1000;
    f.w14 = 0x0E00;
    return f;
}

BlockFields MergedAppFields() {
    BlockFields f;
    f.wType = 0x0301;
    f.w8 = 0x0203;
    f.w10 = 0x0A01;
    f.w12 = 0x4E20;
    f.w14 = 0x4000;
    f.dwAppAddress = 0x08001000;
    f.dwInfoStage = 0;
    f.dwAppStage = 0xFFFFFFFF;
    return f;
}

class BootLoaderInspect : public FirmwareTest {};

}  // namespace

TEST_F(BootLoaderInspect, BootTypeIsAcceptedWithoutQuestion) {
    QByteArray image = MakeImage(2048);
    PutBlock(image, 0x100, BootFields());
    QString strPath = WriteImage("boot.bin", image);
    InspectBoot(strPath);
    EXPECT_EQ(m_strBootPanel, Panel("boot-2048.panel"));
    EXPECT_TRUE(m_wnd.m_questions.isEmpty());
    EXPECT_EQ(m_ws.bBootLoaded, 1);
    EXPECT_EQ(m_ws.nBootSize, 2048);
    EXPECT_EQ(TakeLogLines(),
              QStringList{QString::fromUtf8("打开 File ") + Native(strPath) + " = 成功"});
    EXPECT_EQ(std::memcmp(m_ws.BootBuf, image.constData(), 2048), 0);
    EXPECT_EQ(m_ws.BootBuf[2048], 0);
}

TEST_F(BootLoaderInspect, MergedImageShowsBothBlocksAndRecordsTheFullLength) {
    QByteArray image = MakeImage(100000);
    PutBlock(image, 0x100, BootFields());
    PutBlock(image, 0x1100, MergedAppFields());
    InspectBoot(WriteImage("merged.bin", image));
    QString strExpected =
        Panel("boot-2048.panel").replace("2048", "100000") + Panel("block2-merged.panel");
    EXPECT_EQ(m_strBootPanel, strExpected);
    EXPECT_EQ(m_ws.nBootSize, 100000);
    EXPECT_EQ(std::memcmp(m_ws.BootBuf, image.constData(), BOOT_READ_LIMIT), 0);
    EXPECT_EQ(m_ws.BootBuf[BOOT_READ_LIMIT], 0);  // only 65536 bytes are read
}

TEST_F(BootLoaderInspect, QuestionsAndTheirAnswers) {
    // No marker: the question names the length; No changes nothing, Yes accepts.
    QString strBare = WriteImage("bare.bin", MakeImage(300, 0x00));
    m_wnd.m_answers = {false, true};
    InspectBoot(strBare);
    EXPECT_EQ(m_strBootPanel, QString::fromUtf8("文件信息\r\n"));
    EXPECT_EQ(m_wnd.m_questions.last(),
              QString::fromUtf8("BootLoader启动文件中未找到信息块, 文件  300 Bytes\r\n 是否继续"));
    EXPECT_EQ(m_ws.bBootLoaded, 0);
    InspectBoot(strBare);
    EXPECT_EQ(m_ws.bBootLoaded, 1);
    EXPECT_EQ(m_ws.nBootSize, 300);

    // An App-typed block 1: the report with boot-loader names, then the question.
    QByteArray app = MakeImage(2048);
    BlockFields f = BootFields();
    f.wType = 0x0301;
    PutBlock(app, 0x100, f);
    m_wnd.m_answers = {false};
    InspectBoot(WriteImage("app.bin", app));
    EXPECT_TRUE(m_strBootPanel.contains(QString::fromUtf8("(App类型1 版本 1) \r\n启动区版本")));
    EXPECT_EQ(m_wnd.m_questions.last(),
              QString::fromUtf8("文件信息块中不包含 BootLoader 内容, 是否继续 "));
    EXPECT_EQ(m_ws.nBootSize, 300);
    m_wnd.m_answers = {true};
    InspectBoot(WriteImage("app.bin", app));
    EXPECT_EQ(m_ws.nBootSize, 2048);
    EXPECT_EQ(m_wnd.m_questions.size(), 4);
}

TEST_F(BootLoaderInspect, DeclinedFileLeavesTheAcceptedImageExactly) {
    QByteArray first = MakeImage(5000, 0x11);
    PutBlock(first, 0x100, BootFields());
    InspectBoot(WriteImage("first.bin", first));
    m_wnd.m_answers = {false};
    InspectBoot(WriteImage("second.bin", MakeImage(6000, 0x22)));
    EXPECT_EQ(m_ws.nBootSize, 5000);
    EXPECT_EQ(std::memcmp(m_ws.BootBuf, first.constData(), 5000), 0);
    EXPECT_EQ(m_ws.BootBuf[5000], 0);
}

TEST_F(BootLoaderInspect, ShortFileReadsZerosPastItsEnd) {
    // A longer file with a block 2, then a short one: nothing of the first shows up.
    QByteArray longer = MakeImage(8000);
    PutBlock(longer, 0x100, BootFields());
    PutBlock(longer, 0x1100, MergedAppFields());
    InspectBoot(WriteImage("long.bin", longer));
    QByteArray shorter = MakeImage(2048);
    PutBlock(shorter, 0x100, BootFields());
    InspectBoot(WriteImage("short.bin", shorter));
    EXPECT_EQ(m_strBootPanel, Panel("boot-2048.panel"));
    for (int i = 2048; i < BOOT_BUF_SIZE; ++i) ASSERT_EQ(m_ws.BootBuf[i], 0) << i;
}

TEST_F(BootLoaderInspect, OpenFailuresAndRefusedPathsChangeNothing) {
    m_strBootPanel = QStringLiteral("earlier");
    const QString strMissing = m_tmp.File("missing.bin");
    InspectBoot(strMissing);
    QStringList refused{m_tmp.Path(), NullDevice()};
    if (MakeFifo(m_tmp.File("fifo"))) refused << m_tmp.File("fifo");
    if (!ZeroDevice().isEmpty()) refused << ZeroDevice();
    for (const QString& strPath : refused) InspectBoot(strPath);
    QStringList lines = TakeLogLines();
    ASSERT_EQ(lines.size(), refused.size() + 1);
    // The system's reason follows.
    EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8("打开 File ") + Native(strMissing) +
                                    QString::fromUtf8(" = 失败, ")));
    for (qsizetype i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(lines[i + 1], QString::fromUtf8("打开 File ") + Native(refused[i]) +
                                    QString::fromUtf8(" = 失败, 不是普通文件"));
    }
    EXPECT_EQ(m_strBootPanel, QStringLiteral("earlier"));
    EXPECT_TRUE(m_wnd.m_questions.isEmpty());
    EXPECT_EQ(m_ws.bBootLoaded, 0);
}

TEST_F(BootLoaderInspect, ReadThatComesUpShortAcceptsNothing) {
    // Files of the kernel's sysfs claim 4096 bytes and deliver fewer.
    QString strShort;
    for (const char* p : {"/sys/kernel/mm/transparent_hugepage/enabled",
                          "/sys/devices/system/cpu/online", "/sys/kernel/profiling"}) {
        if (QFile::exists(QString::fromLatin1(p))) strShort = QString::fromLatin1(p);
    }
    if (strShort.isEmpty() || QFileInfo(strShort).size() == 0) GTEST_SKIP() << "no sysfs here";
    InspectBoot(strShort);
    QStringList lines = TakeLogLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith(QString::fromUtf8("读取 File ") + Native(strShort) +
                                    QString::fromUtf8(" = 失败, 读到 ")));
    EXPECT_EQ(m_ws.bBootLoaded, 0);
    EXPECT_FALSE(!m_strBootPanel.isNull());
}

TEST_F(BootLoaderInspect, BootLoaderOfTwoGibibytesIsRefusedBeforeReading) {
    const QString strHuge = m_tmp.File("huge.bin");
    QFile file(strHuge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    if (!file.resize(Q_INT64_C(0x80000000))) GTEST_SKIP() << "no sparse files here";
    file.close();
    InspectBoot(strHuge);
    EXPECT_EQ(TakeLogLines(),
              QStringList{QString::fromUtf8("打开 File ") + Native(strHuge) +
                          QString::fromUtf8(
                              " = 失败, 文件大小 2147483648 Bytes 超过上限 2147483647 Bytes")});
    EXPECT_FALSE(!m_strBootPanel.isNull());
    EXPECT_EQ(m_ws.bBootLoaded, 0);
}

TEST_F(BootLoaderInspect, ReadersShareALockThatAWriterCanHold) {
    QByteArray boot = MakeImage(3000);
    BlockFields b;
    b.wType = 0x0102;
    PutBlock(boot, 0x100, b);
    const QString strPath = WriteImage("boot.bin", boot);
    QFile reader(strPath);
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));
    ASSERT_TRUE(LockFile(reader, false));
    EXPECT_EQ(InspectBoot(strPath), 1);  // another reader does not keep it out
    reader.close();
    QFile writer(strPath);
    ASSERT_TRUE(writer.open(QIODevice::ReadWrite));
    ASSERT_TRUE(LockFile(writer, true));
    TakeLogLines();
    EXPECT_EQ(InspectBoot(strPath), 0);
    EXPECT_EQ(TakeLogLines(), QStringList{QString::fromUtf8("打开 File ") + Native(strPath) +
                                          QString::fromUtf8(" = 失败, 文件被其他程序占用")});
}

TEST_F(BootLoaderInspect, ControlCharactersOfAPathCannotStartARecord) {
    const QString strPath =
        m_tmp.File(QString::fromUtf8("x = 成功\r\n[ 9:00:00.000] 保存 File a\x01"));
    if (!QFile(strPath).open(QIODevice::WriteOnly)) GTEST_SKIP() << "no such file names here";
    WriteAllBytes(strPath, MakeImage(300, 0x00));
    m_wnd.m_answers.push_back(false);
    InspectBoot(strPath);  // opened by its real name, then declined
    const QStringList lines = TakeLogLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].endsWith(
        QString::fromUtf8("x = 成功\\r\\n[ 9:00:00.000] 保存 File a\\x01 = 成功")));
}

namespace {
QString g_strRewritten;
}

// A writer that takes no lock rewrites the file while it is read: nothing of it is taken.
TEST_F(BootLoaderInspect, AFileRewrittenWhileItIsReadIsRefused) {
    QByteArray boot = MakeImage(8192);
    PutBlock(boot, 0x100, BlockFields());
    g_strRewritten = WriteImage("boot.bin", boot);
    SetInputReadHook([] { WriteAllBytes(g_strRewritten, MakeImage(8192, 0x33)); });
    EXPECT_EQ(InspectBoot(g_strRewritten), 0);
    SetInputReadHook(nullptr);
    EXPECT_EQ(TakeLogLines(), QStringList{QString::fromUtf8("打开 File ") + Native(g_strRewritten) +
                                          QString::fromUtf8(" = 失败, 读取时文件被修改")});
    EXPECT_FALSE(m_ws.bBootLoaded);
}
