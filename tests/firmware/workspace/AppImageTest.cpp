#include <gtest/gtest.h>

#include <cstring>

#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/Workspace.h"
#include "tests/firmware/workspace/FirmwareTestSupport.h"

namespace {

BlockFields AppFields(std::uint16_t wType, std::uint16_t wVersion) {
    BlockFields f;
    f.wType = wType;
    f.w8 = wVersion;
    f.w10 = 0x0A01;
    f.w12 = 0x8000;
    f.w14 = 0x4E20;
    return f;
}

// A merged image: a boot-loader region of 4096 bytes, then an App of nAppLength bytes.
QByteArray MergedImage(int nAppLength, std::uint16_t wBlock2Type) {
    QByteArray image = MakeImage(4096 + nAppLength, 0x30);
    BlockFields boot;
    boot.wType = 0x0101;
    PutBlock(image, 0x100, boot);
    PutBlock(image, 0x1100, AppFields(wBlock2Type, 0x0203));
    return image;
}

class AppInspect : public FirmwareTest {};

}  // namespace

TEST_F(AppInspect, AppTypeIsAcceptedWithItsVersionAndTitle) {
    QByteArray image = MakeImage(20000);
    PutBlock(image, 0x100, AppFields(0x0301, 0x0105));
    QString strPath = WriteImage("AppX.bin", image);
    InspectApp(strPath, FileTitleOf(strPath));
    EXPECT_EQ(m_strAppPanel, Panel("app-20000.panel"));
    EXPECT_TRUE(m_wnd.m_questions.isEmpty());
    EXPECT_EQ(m_ws.bAppLoaded, 1);
    EXPECT_EQ(m_ws.nAppSize, 20000);
    EXPECT_EQ(m_ws.byAppVerMajor, 1);
    EXPECT_EQ(m_ws.byAppVerMinor, 5);
    EXPECT_EQ(m_ws.strAppFileTitle, QStringLiteral("AppX"));
    EXPECT_EQ(FileTitleOf(QStringLiteral("/a/b.c/App.v2.bin")), QStringLiteral("App.v2"));
}

TEST_F(AppInspect, MergedImageYesTakesTheAppPartNoChangesNothing) {
    const QByteArray image = MergedImage(20000, 0x0301);
    const QString strPath = WriteImage("merged.bin", image);
    m_wnd.m_answers = {false, true};
    InspectApp(strPath, QStringLiteral("merged"));
    EXPECT_TRUE(m_strAppPanel.contains(QString::fromUtf8("信息块2类型: 0x0301")));
    EXPECT_TRUE(m_strAppPanel.contains(QString::fromUtf8("应用区版本:   2.03\r\n")));
    EXPECT_EQ(m_wnd.m_questions.last(),
              QString::fromUtf8("文件已经是bootloader和App合成的文件 , 是否使用文件中App?"));
    EXPECT_EQ(m_ws.bAppLoaded, 0);
    EXPECT_TRUE(m_ws.strAppFileTitle.isEmpty());

    InspectApp(strPath, QStringLiteral("merged"));
    EXPECT_EQ(m_ws.nAppSize, 20000);
    EXPECT_EQ(m_ws.byAppVerMajor, 2);
    EXPECT_EQ(m_ws.byAppVerMinor, 3);
    EXPECT_EQ(std::memcmp(m_ws.AppBuf, image.constData() + 4096, 20000), 0);
    EXPECT_EQ(m_wnd.m_questions.size(), 2);
}

TEST_F(AppInspect, NotAnAppQuestionForEachWayOfBeingNoApp) {
    QByteArray otherBlock2 = MergedImage(20000, 0x0401);
    QByteArray tooShort = MakeImage(4383);
    BlockFields boot;
    boot.wType = 0x0201;
    PutBlock(tooShort, 0x100, boot);
    QByteArray unknown = MakeImage(1000);
    BlockFields seven;
    seven.wType = 0x0700;
    PutBlock(unknown, 0x100, seven);
    for (const QByteArray& image : {otherBlock2, tooShort, unknown}) {
        m_wnd.m_answers = {true};
        m_wnd.m_questions.clear();
        InspectApp(WriteImage("x.bin", image), QStringLiteral("x"));
        EXPECT_EQ(m_wnd.m_questions,
                  QStringList{QString::fromUtf8("文件 不是App文件 , 是否继续 ")});
        EXPECT_FALSE(m_strAppPanel.contains(QString::fromUtf8("信息块2")));
        EXPECT_EQ(m_ws.nAppSize, image.size());
        EXPECT_EQ(m_ws.byAppVerMajor, 0);
        EXPECT_EQ(m_ws.byAppVerMinor, 0);
    }
    EXPECT_TRUE(m_strAppPanel.endsWith(QString::fromUtf8("0x0700   (未知类型)  \r\n")));
}

TEST_F(AppInspect, MissingMarkerAndEmptyFile) {
    m_wnd.m_answers = {false};
    InspectApp(WriteImage("empty.bin", QByteArray()), QStringLiteral("empty"));
    EXPECT_EQ(m_strAppPanel, QString::fromUtf8("文件信息  \r\n"));
    EXPECT_EQ(m_wnd.m_questions.last(),
              QString::fromUtf8("文件中未找到信息块, 文件大小  0 Bytes\r\n 是否继续"));
    EXPECT_EQ(m_ws.bAppLoaded, 0);
    m_wnd.m_answers = {true};
    InspectApp(WriteImage("empty.bin", QByteArray()), QStringLiteral("empty"));
    EXPECT_EQ(m_ws.bAppLoaded, 1);
    EXPECT_EQ(m_ws.nAppSize, 0);
    EXPECT_EQ(m_ws.strAppFileTitle, QStringLiteral("empty"));
}

TEST_F(AppInspect, DeclinedOrRefusedFileKeepsBytesTitleAndVersion) {
    QByteArray first = MakeImage(3000, 0x41);
    PutBlock(first, 0x100, AppFields(0x0401, 0x0107));
    InspectApp(WriteImage("First.bin", first), QStringLiteral("First"));
    m_wnd.m_answers = {false};
    InspectApp(WriteImage("Second.bin", MakeImage(5000, 0x02)), QStringLiteral("Second"));
    InspectApp(WriteImage("Huge.bin", MakeImage(APP_BUF_SIZE + 1, 0x00)), QStringLiteral("Huge"));
    EXPECT_EQ(m_ws.nAppSize, 3000);
    EXPECT_EQ(m_ws.strAppFileTitle, QStringLiteral("First"));
    EXPECT_EQ(m_ws.byAppVerMajor, 1);
    EXPECT_EQ(m_ws.byAppVerMinor, 7);
    EXPECT_EQ(std::memcmp(m_ws.AppBuf, first.constData(), 3000), 0);
    EXPECT_EQ(m_ws.AppBuf[3000], 0);
    QStringList lines = TakeLogLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[2],
              QString::fromUtf8("打开 File ") + Native(m_tmp.File("Huge.bin")) +
                  QString::fromUtf8(" = 失败, 文件大小 131073 Bytes 超过上限 131072 Bytes"));
    // The largest App that fits is taken whole.
    QByteArray largest = MakeImage(APP_BUF_SIZE);
    PutBlock(largest, 0x100, AppFields(0x0301, 0x0100));
    InspectApp(WriteImage("Largest.bin", largest), QStringLiteral("Largest"));
    EXPECT_EQ(m_ws.nAppSize, APP_BUF_SIZE);
    EXPECT_EQ(std::memcmp(m_ws.AppBuf, largest.constData(), APP_BUF_SIZE), 0);
}
