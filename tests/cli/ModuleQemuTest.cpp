// End to end on QEMU's netduino2 (an STM32F205, flash at 0x08000000): quorrix-cli flashes a
// boot loader and an App built with arm-none-eabi-gcc into blank flash, and the UART shows the
// boot loader starting the App from that flash.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>
#include <string_view>

#include "tests/support/TempFolder.h"

namespace {

struct CliResult {
    int nExit = -1;
    QString strOut, strErr;
};

CliResult RunCli(const QStringList& arguments, const QString& strFolder) {
    QProcess process;
    process.setWorkingDirectory(strFolder);
    process.start(QStringLiteral(QUORRIX_CLI), arguments);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QStringList QemuArguments(const QString& strUart, const QString& strGdb) {
    return {"-M",       "netduino2", "-S",      "-display",        "none", "-nodefaults",
            "-monitor", "none",      "-serial", "file:" + strUart, "-gdb", strGdb};
}

// The UART file once it holds strText, or what it holds after 10 s.
QString WaitForUart(const QString& strPath, const QString& strText) {
    QDeadlineTimer deadline(10000);
    QString strUart;
    while (!deadline.hasExpired()) {
        strUart = QString::fromUtf8(ReadAllBytes(strPath));
        if (strUart.contains(strText)) break;
        QThread::msleep(50);
    }
    return strUart;
}

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

class ModuleQemu : public testing::Test {
protected:
    void SetUp() override {
        if (std::string_view(ARM_FIXTURES_DIR).empty()) GTEST_SKIP() << "no Arm fixtures built";
        m_strQemu = QStandardPaths::findExecutable(QStringLiteral("qemu-system-arm"));
        if (m_strQemu.isEmpty()) GTEST_SKIP() << "no qemu-system-arm";
        m_strBoot = QStringLiteral(ARM_FIXTURES_DIR "/uart-boot.bin");
        m_strApp = QStringLiteral(ARM_FIXTURES_DIR "/uart-app.bin");
    }

    TempFolder m_tmp;
    QString m_strQemu, m_strBoot, m_strApp;
};

}  // namespace

TEST_F(ModuleQemu, FlashedModuleBootsIntoTheAppAndShowsBothBlocks) {
    const QString strUart = m_tmp.File("uart.txt");
    const quint16 nPort = FreePort();
    QProcess qemu;
    qemu.start(m_strQemu, QemuArguments(strUart, QStringLiteral("tcp:127.0.0.1:%1").arg(nPort)));
    ASSERT_TRUE(qemu.waitForStarted());
    const QString strGdb = QStringLiteral(":%1").arg(nPort);
    CliResult flash;
    for (int i = 0; i < 50; ++i) {  // until its gdbstub listens
        flash = RunCli({"flash", m_strBoot, m_strApp, "--gdb", strGdb, "-y"}, m_tmp.Path());
        if (!flash.strErr.contains(QStringLiteral("连接 GDB")) ||
            !flash.strErr.contains(QStringLiteral("= 失败"))) {
            break;
        }
        QThread::msleep(100);
    }
    EXPECT_EQ(flash.nExit, 0) << flash.strErr.toStdString();
    const QString strUart1 = WaitForUart(strUart, QStringLiteral("app: running"));
    EXPECT_TRUE(
        strUart1.contains(QStringLiteral("boot: start\nboot: starting App\napp: running 1.05\n")))
        << strUart1.toStdString();

    // The module's blocks as the merged file's own inspection shows them.
    const CliResult merge =
        RunCli({"merge", m_strBoot, m_strApp, "-o", "merged.bin"}, m_tmp.Path());
    ASSERT_EQ(merge.nExit, 0) << merge.strErr.toStdString();
    const CliResult file = RunCli({"boot", "merged.bin"}, m_tmp.Path());
    const CliResult module = RunCli({"module", "--gdb", strGdb}, m_tmp.Path());
    EXPECT_EQ(module.nExit, 0) << module.strErr.toStdString();
    const QString strBlocks = file.strOut.mid(file.strOut.indexOf(QStringLiteral("信息块位置")));
    EXPECT_TRUE(strBlocks.contains(QStringLiteral("信息块2位置")));
    EXPECT_TRUE(module.strOut.contains(strBlocks)) << module.strOut.toStdString();
    EXPECT_EQ(RunCli({"verify", "merged.bin", "--gdb", strGdb}, m_tmp.Path()).nExit, 0);
    QByteArray other = ReadAllBytes(m_tmp.File("merged.bin"));
    other[0x1150] = static_cast<char>(other[0x1150] ^ 0x01);
    WriteAllBytes(m_tmp.File("other.bin"), other);
    const CliResult differs = RunCli({"verify", "other.bin", "--gdb", strGdb}, m_tmp.Path());
    EXPECT_EQ(differs.nExit, 3);
    EXPECT_TRUE(differs.strOut.contains(QStringLiteral("first difference at 0x1150")))
        << differs.strOut.toStdString();
    qemu.kill();
    qemu.waitForFinished();
}

TEST_F(ModuleQemu, ThroughQemusStandardStreams) {
    const CliResult merge =
        RunCli({"merge", m_strBoot, m_strApp, "-o", "merged.bin"}, m_tmp.Path());
    ASSERT_EQ(merge.nExit, 0) << merge.strErr.toStdString();
    const QString strUart = m_tmp.File("uart.txt");
    const QString strCommand =
        QStringLiteral("|") + m_strQemu + QLatin1Char(' ') +
        QemuArguments(strUart, QStringLiteral("stdio")).join(QLatin1Char(' '));
    const CliResult flash =
        RunCli({"flash", "merged.bin", "--gdb", strCommand, "-y"}, m_tmp.Path());
    EXPECT_EQ(flash.nExit, 0) << flash.strErr.toStdString();
    EXPECT_TRUE(flash.strErr.contains(QStringLiteral("连接 GDB command")));
    const QString strUartText = WaitForUart(strUart, QStringLiteral("app: running"));
    EXPECT_TRUE(strUartText.contains(QStringLiteral("boot: starting App\napp: running 1.05\n")))
        << strUartText.toStdString();
}
