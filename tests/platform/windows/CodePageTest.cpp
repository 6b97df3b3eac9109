#include <gtest/gtest.h>
#include <windows.h>

#include "log/RunLog.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "tests/support/Clock.h"
#include "tests/support/TempFolder.h"

namespace {

QByteArray Hex(const char* pHex) { return QByteArray::fromHex(pHex); }

}  // namespace

// A Chinese Windows writes its catalogue, paths and log files in code page 936 with no setting.
TEST(WindowsCodePage, TheAnsiCodePageIsTheDefaultOfTheLogFiles) {
    ASSERT_EQ(GetACP(), 936u) << "run under the zh_CN.UTF-8 locale (scripts/windows-test)";
    TempFolder tmp;
    ScopedCodePage codePage{QByteArray()};
    FakeClock clock(At(2024, 5, 1, 10, 0, 0));
    CRunLog log;
    ConfigureRunLog(log, tmp.File("logs"));
    log.m_bShowTime = false;
    log.WriteLog(QString::fromUtf8("打开"));
    log.CloseLogFiles();
    const QByteArray bytes = ReadAllBytes(tmp.File("logs/2024-05-01/RunLoglog_2024-05-01.log"));
    EXPECT_TRUE(bytes.contains(Hex("b4f2bfaa0d0a"))) << bytes.toHex().constData();
}

TEST(WindowsCodePage, ANumberOrANameChoosesTheCodePage) {
    const QString strText = QString::fromUtf8("打开é");
    {
        ScopedCodePage codePage("936");
        EXPECT_EQ(ToCodePage(strText), Hex("b4f2bfaaa8a6"));
        CCodePageDecoder decoder = MakeCodePageDecoder();
        // A broken trail byte and a lone lead byte at the end are each one U+FFFD.
        EXPECT_EQ(FromCodePage(decoder, Hex("b4f2bf20bfaa81")),
                  QString::fromUtf8("打\uFFFD 开\uFFFD"));
    }
    {
        ScopedCodePage codePage("windows-1252");
        EXPECT_EQ(ToCodePage(strText), QByteArray("??\xE9"));
        EXPECT_FALSE(CodePageIsUtf8());
    }
    {
        ScopedCodePage codePage("65001");
        EXPECT_TRUE(CodePageIsUtf8());
        EXPECT_EQ(ToCodePage(strText), strText.toUtf8());
    }
    {
        ScopedCodePage codePage("GBK");
        EXPECT_EQ(ToCodePage(QString::fromUtf8("x😀y")), QByteArray("x?y"));
    }
    const QByteArray system = ToCodePage(strText);  // the ANSI code page, outside every scope
    ScopedCodePage unknown("99999");
    EXPECT_EQ(ToCodePage(strText), system);  // an unknown name leaves the system's code page
}
