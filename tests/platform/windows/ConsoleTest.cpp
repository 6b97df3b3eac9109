#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "platform/Console.h"
#include "tests/support/TempFolder.h"

// A file or pipe gets UTF-8 as on Linux, never the ANSI code page.
TEST(WindowsConsole, RedirectedOutputIsUtf8) {
    TempFolder tmp;
    const std::wstring path = QDir::toNativeSeparators(tmp.File("out.txt")).toStdWString();
    std::FILE* pFile = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(pFile, nullptr);
    EXPECT_TRUE(WriteStreamText(pFile, QString::fromUtf8("打开 File\n")));
    std::fclose(pFile);
    EXPECT_EQ(ReadAllBytes(tmp.File("out.txt")), QString::fromUtf8("打开 File\n").toUtf8());
}

// A console gets the characters themselves, whatever its own code page.
TEST(WindowsConsole, AConsoleGetsTheCharactersThemselves) {
    std::FILE* pConsole = _wfopen(L"CONOUT$", L"r+");
    if (pConsole == nullptr && AllocConsole()) pConsole = _wfopen(L"CONOUT$", L"r+");
    if (pConsole == nullptr) GTEST_SKIP() << "no console here";
    HANDLE hConsole = HANDLE(_get_osfhandle(_fileno(pConsole)));
    SetConsoleOutputCP(437);  // a code page without Chinese
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ASSERT_TRUE(GetConsoleScreenBufferInfo(hConsole, &info));
    const QString strText = QString::fromUtf8("打开 完成");
    EXPECT_TRUE(WriteStreamText(pConsole, strText));
    wchar_t buffer[32] = {};
    DWORD nRead = 0;
    ASSERT_TRUE(ReadConsoleOutputCharacterW(hConsole, buffer, 32, info.dwCursorPosition, &nRead));
    // A wide character may fill two cells of the screen; it is read back once.
    EXPECT_TRUE(QString::fromWCharArray(buffer, int(nRead)).startsWith(strText));
    // Typed answers arrive in the console's input code page.
    ASSERT_TRUE(SetConsoleCP(936));
    EXPECT_EQ(TerminalTextToUtf8("\xCA\xC7 "), std::string("是 "));
    std::fclose(pConsole);
}
