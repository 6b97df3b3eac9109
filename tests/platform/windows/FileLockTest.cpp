#include <gtest/gtest.h>
#include <windows.h>

#include <QFile>
#include <QProcess>

#include "platform/FileOpen.h"
#include "tests/support/TempFolder.h"

namespace {

HANDLE OpenUnshared(const QString& strPath) {
    const std::wstring path = QDir::toNativeSeparators(strPath).toStdWString();
    return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

// Readers share an image; a program that locks it for writing, or opened it unshared as
// Windows programs do, keeps a second copy of Quorrix out with a clear line.
TEST(WindowsFileLock, ReadersShareAWriterKeepsASecondCopyOut) {
    TempFolder tmp;
    const QString strPath = tmp.File("boot.bin");
    WriteAllBytes(strPath, QByteArray(3000, '\x11'));
    QFile first;
    QFile second;
    ASSERT_EQ(OpenRegularFile(strPath, first), FileOpenResult::Opened);
    EXPECT_EQ(OpenRegularFile(strPath, second), FileOpenResult::Opened);
    first.close();
    second.close();

    HANDLE hWriter = OpenUnshared(strPath);
    ASSERT_NE(hWriter, INVALID_HANDLE_VALUE);
    EXPECT_EQ(OpenRegularFile(strPath, first), FileOpenResult::Locked);
    CloseHandle(hWriter);

    QFile writer(strPath);
    ASSERT_TRUE(writer.open(QIODevice::ReadWrite));
    OVERLAPPED overlapped{};
    ASSERT_TRUE(LockFileEx(HANDLE(_get_osfhandle(writer.handle())), LOCKFILE_EXCLUSIVE_LOCK, 0,
                           MAXDWORD, MAXDWORD, &overlapped));
    QProcess copy;
    copy.setWorkingDirectory(tmp.Path());
    copy.start(QStringLiteral(QUORRIX_CLI), {QStringLiteral("boot"), QStringLiteral("boot.bin")});
    ASSERT_TRUE(copy.waitForFinished(30000));
    EXPECT_EQ(copy.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(copy.readAllStandardError())
                    .contains(QString::fromUtf8("boot.bin = 失败, 文件被其他程序占用")));
}
