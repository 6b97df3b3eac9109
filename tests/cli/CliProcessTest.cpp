#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QtEndian>
#include <string_view>

#include "firmware/formats/RecordWriters.h"
#include "firmware/workspace/Digest.h"
#include "log/RunLog.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "tests/support/ImageBuilder.h"
#include "tests/support/SystemFiles.h"
#include "tests/support/TempFolder.h"

namespace {

struct CliRun {
    int nExit = -1;
    QString strOut;
    QString strErr;
};

class CliProcess : public testing::Test {
protected:
    void SetUp() override {
        // The catalogue is in the system's code page, as the program reads it.
        WriteAllBytes(m_tmp.File("DeviceList.Ini"),
                      ToCodePage(QString::fromUtf8("[FAMILY]\n0A=温度模块\n[0A]\n01=TC-8\n")));
        QByteArray boot = MakeImage(3000);
        BlockFields b;
        b.wType = 0x0102;
        PutBlock(boot, 0x100, b);
        WriteAllBytes(m_tmp.File("boot.bin"), boot);
        QByteArray app = MakeImage(20000);
        BlockFields a;
        a.wType = 0x0301;
        a.w8 = 0x0105;
        a.w10 = 0x0A01;
        PutBlock(app, 0x100, a);
        WriteAllBytes(m_tmp.File("AppX.bin"), app);
        WriteAllBytes(m_tmp.File("bare.bin"), MakeImage(500, 0x00));
    }

    CliRun Run(const QStringList& arguments, const QString& strStdout = QString()) {
        return RunProgram(QStringLiteral(QUORRIX_CLI), arguments, strStdout);
    }

    CliRun RunProgram(const QString& strProgram, const QStringList& arguments,
                      const QString& strStdout = QString()) {
        QProcess process;
        if (!strStdout.isEmpty()) process.setStandardOutputFile(strStdout);
        process.setWorkingDirectory(m_tmp.Path());
        process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        process.start(strProgram, arguments);
        process.closeWriteChannel();  // no terminal: questions are answered No
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // A command line of the shell, with the program as $0 (names and redirections that
    // QProcess cannot give).
    CliRun RunShell(const QString& strCommand) {
        return RunProgram(QStringLiteral("/bin/sh"),
                          {QStringLiteral("-c"), strCommand, QStringLiteral(QUORRIX_CLI)});
    }

    TempFolder m_tmp;
};

}  // namespace

TEST_F(CliProcess, BootAndAppPrintTheirPanels) {
    CliRun boot = Run({"boot", "boot.bin"});
    EXPECT_EQ(boot.nExit, 0);
    EXPECT_TRUE(
        boot.strOut.startsWith(QString::fromUtf8("文件信息  文件大小: 3000 \n信息块位置: 0x0100")));
    EXPECT_TRUE(boot.strOut.endsWith(QString::fromUtf8("应用暂存区: 0x08023000 \n")));
    EXPECT_FALSE(boot.strOut.contains(QLatin1Char('\r')));
    EXPECT_TRUE(boot.strErr.contains(QString::fromUtf8("] 打开 File ") +
                                     Native(m_tmp.File("boot.bin")) +
                                     QString::fromUtf8(" = 成功\n")));

    CliRun app = Run({"app", "AppX.bin"});
    EXPECT_EQ(app.nExit, 0);
    EXPECT_TRUE(app.strOut.contains(
        QString::fromUtf8("对应模块类型: 0A01 温度模块, TC-8\n应用区版本:   1.05 \n")));
    QDir logs(m_tmp.LogRoot());
    EXPECT_EQ(logs.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
}

TEST_F(CliProcess, QuestionsAnswersAndExitStatus) {
    CliRun declined = Run({"boot", "bare.bin"});
    EXPECT_EQ(declined.nExit, 1);
    EXPECT_TRUE(declined.strErr.contains(QString::fromUtf8(
        "问题: BootLoader启动文件中未找到信息块, 文件  500 Bytes\n 是否继续\n回答: 否\n")));
    CliRun accepted = Run({"-y", "boot", "bare.bin"});
    EXPECT_EQ(accepted.nExit, 0);
    EXPECT_TRUE(accepted.strErr.contains(QString::fromUtf8("回答: 是\n")));
    EXPECT_EQ(Run({"--no", "app", "bare.bin"}).nExit, 1);
    EXPECT_EQ(Run({"boot", NullDevice()}).nExit, 1);
    EXPECT_EQ(Run({"app", "missing.bin"}).nExit, 1);
    EXPECT_EQ(Run({"frob", "x"}).nExit, 2);
    EXPECT_EQ(Run({"boot"}).nExit, 2);
    EXPECT_EQ(Run({"-y", "-n", "boot", "boot.bin"}).nExit, 2);
    EXPECT_EQ(Run({"boot", "boot.bin", "-o", "x.bin"}).nExit, 2);
    CliRun version = Run({"--version"});
    EXPECT_EQ(version.nExit, 0);
    EXPECT_EQ(version.strOut, QStringLiteral("quorrix-cli 1.0.0.1\n"));
    EXPECT_EQ(Run({"--help"}).nExit, 0);
}

TEST_F(CliProcess, MergeSavesAndPrintsSizeAndDigests) {
    CliRun merge = Run({"merge", "boot.bin", "AppX.bin"});
    ASSERT_EQ(merge.nExit, 0) << merge.strErr.toStdString();
    const QString strOut = m_tmp.File("AppX_1.05.bin");
    QByteArray written = ReadAllBytes(strOut);
    ASSERT_EQ(written.size(), 24096);
    EXPECT_EQ(merge.strOut, QString::asprintf("%ls 24096 bytes crc32=%08x sha256=",
                                              qUtf16Printable(Native(strOut)), Crc32(written)) +
                                Sha256Hex(written) + "\n");
    EXPECT_TRUE(
        merge.strErr.contains(QStringLiteral("] Btldr File Size 3000 \nApp File Size 20000 \n")));

    // An existing file is replaced only when the question is answered Yes.
    EXPECT_EQ(Run({"merge", "boot.bin", "AppX.bin"}).nExit, 1);
    EXPECT_EQ(Run({"merge", "-y", "boot.bin", "AppX.bin", "-o", "AppX_1.05.bin"}).nExit, 0);
    CliRun failed = Run({"merge", "boot.bin", "AppX.bin", "-o", "no/folder/out.bin"});
    EXPECT_EQ(failed.nExit, 1);
    EXPECT_TRUE(failed.strErr.contains(QString::fromUtf8(" = 失败, ")));
    CliRun missing = Run({"merge", "boot.bin", "bare.bin"});
    EXPECT_EQ(missing.nExit, 1);
    EXPECT_TRUE(missing.strErr.contains(QString::fromUtf8("合成固件 = 失败, 未加载 App 文件\n")));
}

TEST_F(CliProcess, JsonShapeOfBothBlocks) {
    CliRun run = Run({"app", "--json", "AppX.bin"});
    ASSERT_EQ(run.nExit, 0);
    QJsonObject image = QJsonDocument::fromJson(run.strOut.toUtf8()).object();
    EXPECT_EQ(image["size"].toInt(), 20000);
    EXPECT_TRUE(image["accepted"].toBool());
    EXPECT_TRUE(
        image["panel"].toString().startsWith(QString::fromUtf8("文件信息  文件大小: 20000 \r\n")));
    QJsonArray blocks = image["blocks"].toArray();
    ASSERT_EQ(blocks.size(), 2);
    QJsonObject first = blocks[0].toObject();
    EXPECT_EQ(first["offset"].toInt(), 256);
    EXPECT_TRUE(first["marker"].toBool());
    EXPECT_EQ(first["typeWord"].toString(), QStringLiteral("0x0301"));
    EXPECT_EQ(first["typeCode"].toInt(), 3);
    EXPECT_EQ(first["typeLabel"].toString(), QString::fromUtf8("(App类型1 版本 1)"));
    EXPECT_EQ(first["appVersion"].toString(), QStringLiteral("1.05"));
    EXPECT_EQ(first["moduleType"].toString(), QStringLiteral("0A01"));
    EXPECT_EQ(first["moduleName"].toString(), QString::fromUtf8("温度模块, TC-8"));
    EXPECT_EQ(first["appAddressOffset"].toInt(), 4096);
    QJsonObject second = blocks[1].toObject();
    EXPECT_EQ(second["offset"].toInt(), 4352);
    EXPECT_TRUE(second.contains("marker"));
    EXPECT_FALSE(second["marker"].toBool());
    // Without a catalogue every module type is named in the fallback form.
    CliRun bare = Run({"app", "--json", "--catalogue", "none.ini", "AppX.bin"});
    EXPECT_EQ(QJsonDocument::fromJson(bare.strOut.toUtf8())["blocks"][0]["moduleName"].toString(),
              QStringLiteral("Device 0A(01)"));
    EXPECT_TRUE(bare.strErr.contains(QStringLiteral("Load MHash error, open filenone.ini fail.")));
}

TEST_F(CliProcess, UsageFaultsAreNamed) {
    CliRun empty = Run({"boot", ""});
    EXPECT_EQ(empty.nExit, 2);
    EXPECT_TRUE(
        empty.strErr.startsWith(QStringLiteral("quorrix-cli: an empty path names no file")));
    CliRun unknown = Run({"foo"});
    EXPECT_EQ(unknown.nExit, 2);
    EXPECT_TRUE(unknown.strErr.startsWith(QStringLiteral("quorrix-cli: unknown command \"foo\"")));
    CliRun help = Run({"--help"});
    EXPECT_TRUE(help.strOut.startsWith(QStringLiteral("Usage: quorrix-cli [options]")));
    EXPECT_TRUE(help.strOut.contains(
        QStringLiteral("Exit status: 0 done (diff: the files are identical); 1 an input refused")));
    EXPECT_TRUE(help.strOut.contains(QStringLiteral("when standard input is no terminal")));
    // Signs and blanks in numbers, a repeated -o and an empty catalogue path are wrong usage.
    for (const QStringList& args :
         {QStringList{"merge", "boot.bin", "AppX.bin", "--fill", "0x+ff"},
          QStringList{"merge", "boot.bin", "AppX.bin", "--fill", " 12 "},
          QStringList{"merge", "boot.bin", "AppX.bin", "-o", "a.bin", "-o", "b.bin"},
          QStringList{"boot", "boot.bin", "--catalogue", ""}}) {
        EXPECT_EQ(Run(args).nExit, 2) << args.join(' ').toStdString();
    }
    CliRun app = Run({"app", "AppX.bin"});
    EXPECT_TRUE(app.strErr.endsWith(
        QStringLiteral("recorded: App version 1.05, 20000 bytes; merge proposes AppX_1.05.bin\n")));
}

TEST_F(CliProcess, ClosedOrFullOutputsAreFailuresButNeverEndTheRun) {
    if (FullDevice().isEmpty()) GTEST_SKIP() << "no full device here";
    CliRun full = Run({"boot", "boot.bin"}, FullDevice());
    EXPECT_EQ(full.nExit, 1);
    EXPECT_TRUE(full.strErr.contains(
        QStringLiteral("quorrix-cli: cannot write to standard output: No space left on device")));
    // Standard error closed after its first byte: the run still ends well, with its banner.
    QProcess shell;
    shell.setWorkingDirectory(m_tmp.Path());
    shell.start(QStringLiteral("bash"),
                {QStringLiteral("-c"),
                 QStringLiteral("\"$0\" merge -y boot.bin AppX.bin 2>&1 >/dev/null "
                                "| head -c1 >/dev/null; exit ${PIPESTATUS[0]}"),
                 QStringLiteral(QUORRIX_CLI)});
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.exitCode(), 0);
    const QString strDays = m_tmp.LogRoot();
    const QString strDay = QDir(strDays).entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0);
    const QByteArray log = ReadAllBytes(strDays + "/" + strDay + "/RunLoglog_" + strDay + ".log");
    EXPECT_TRUE(log.endsWith(" >------- <LogFileClosed> ===== \r\n"));
}

TEST_F(CliProcess, OutputToAFolderToStandardOutputAndForced) {
    ASSERT_TRUE(QDir(m_tmp.Path()).mkdir("out"));
    EXPECT_EQ(Run({"merge", "boot.bin", "AppX.bin", "-o", "out"}).nExit, 0);
    const QByteArray merged = ReadAllBytes(m_tmp.File("out/AppX_1.05.bin"));
    ASSERT_EQ(merged.size(), 24096);
    CliRun piped = Run({"merge", "boot.bin", "AppX.bin", "-o", "-"}, m_tmp.File("piped.bin"));
    EXPECT_EQ(piped.nExit, 0);
    EXPECT_EQ(ReadAllBytes(m_tmp.File("piped.bin")), merged);
    EXPECT_TRUE(piped.strErr.endsWith(QStringLiteral("- 24096 bytes crc32=%1 sha256=%2\n")
                                          .arg(Crc32(merged), 8, 16, QLatin1Char('0'))
                                          .arg(Sha256Hex(merged))));
    // -n declines the contents questions, -f still replaces; a write-only file is no reason
    // to miss the digest, which comes from the bytes written.
    const QString strOld = m_tmp.File("out/AppX_1.05.bin");
    WriteAllBytes(strOld, "old");
    QFile::setPermissions(strOld, QFileDevice::WriteOwner);
    EXPECT_EQ(Run({"merge", "-n", "boot.bin", "AppX.bin", "-o", "out"}).nExit, 1);
    CliRun forced = Run({"merge", "-n", "-f", "boot.bin", "AppX.bin", "-o", "out"});
    EXPECT_EQ(forced.nExit, 0);
    EXPECT_TRUE(forced.strOut.contains(Sha256Hex(merged)));
    EXPECT_FALSE(forced.strErr.contains(QString::fromUtf8("问题:")));
}

TEST_F(CliProcess, JsonGivesErrorsInsteadOfZeroedBlocksAndDescribesAMerge) {
    CliRun missing = Run({"boot", "--json", "missing.bin"});
    EXPECT_EQ(missing.nExit, 1);
    QJsonObject refused = QJsonDocument::fromJson(missing.strOut.toUtf8()).object();
    EXPECT_EQ(refused["schemaVersion"].toInt(), 1);
    EXPECT_EQ(refused["error"].toObject()["code"].toString(), QStringLiteral("open-failed"));
    EXPECT_FALSE(refused.contains("blocks"));
    CliRun merge = Run({"merge", "--json", "boot.bin", "AppX.bin"});
    ASSERT_EQ(merge.nExit, 0);
    QJsonObject done = QJsonDocument::fromJson(merge.strOut.toUtf8()).object();
    const QByteArray written = ReadAllBytes(m_tmp.File("AppX_1.05.bin"));
    EXPECT_EQ(done["schemaVersion"].toInt(), 1);
    EXPECT_EQ(done["output"].toObject()["sha256"].toString(), Sha256Hex(written));
    EXPECT_EQ(done["output"].toObject()["size"].toInt(), 24096);
    EXPECT_EQ(done["inputs"][1].toObject()["sha256"].toString(),
              Sha256Hex(ReadAllBytes(m_tmp.File("AppX.bin"))));
    EXPECT_EQ(done["version"].toString(), QStringLiteral("1.05"));
    EXPECT_EQ(done["moduleName"].toString(), QString::fromUtf8("温度模块, TC-8"));
}

// What the shell hands over as it is: bytes that are no UTF-8, closed standard streams, a
// file-size limit, a code page that is no 8-bit one.
TEST_F(CliProcess, HostileProcessSurroundingsAreRefusedOrSurvived) {
    if (!NullDevice().startsWith(QLatin1Char('/'))) GTEST_SKIP() << "no POSIX shell here";
    const QString strState = m_tmp.File("state");
    CliRun shell =
        RunShell(QStringLiteral("exec \"$0\" merge boot.bin \"$(printf 'a\\377.bin')\""));
    EXPECT_EQ(shell.nExit, 2);
    EXPECT_TRUE(shell.strErr.contains(QString::fromUtf8("文件名无法表示: a\\xff.bin")));

    // With 0-2 closed, the day's log file must not become standard error.
    RunShell(
        QStringLiteral("XDG_STATE_HOME=%1 exec \"$0\" boot boot.bin <&- >&- 2>&-").arg(strState));
    const QStringList days =
        QDir(strState + "/Quorrix").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(days.size(), 1);
    const QString strDay = strState + "/Quorrix/" + days[0];
    const QByteArray log =
        ReadAllBytes(strDay + "/" + QDir(strDay).entryList(QDir::Files).value(0));
    EXPECT_TRUE(log.contains("boot.bin"));
    EXPECT_FALSE(log.contains("\n[")) << log.toStdString();  // no pane line in the file

    // Over the size limit the save fails with its reason; the process is not killed.
    CliRun limited =
        RunShell(QStringLiteral("ulimit -f 16; exec \"$0\" merge -y boot.bin AppX.bin -o big.bin"));
    EXPECT_EQ(limited.nExit, 1);
    EXPECT_TRUE(limited.strErr.contains(QString::fromUtf8("big.bin = 失败, ")));

    CliRun utf16 = RunShell(QStringLiteral("QUORRIX_CODEPAGE=UTF-16 exec \"$0\" boot boot.bin"));
    EXPECT_TRUE(utf16.strErr.startsWith(QStringLiteral("QUORRIX_CODEPAGE=UTF-16 is unknown")));
}

TEST_F(CliProcess, OutputsThatAreInputsAndRefusedInputsInJson) {
    CliRun same = Run({"merge", "-y", "boot.bin", "AppX.bin", "-o", "boot.bin"});
    EXPECT_EQ(same.nExit, 1);
    EXPECT_TRUE(same.strErr.contains(QString::fromUtf8(" = 失败, 是输入文件")));
    CliRun verify = Run({"verify", "--json", "missing.bin"});
    EXPECT_EQ(verify.nExit, 1);
    EXPECT_EQ(QJsonDocument::fromJson(verify.strOut.toUtf8())["error"]["code"].toString(),
              QStringLiteral("open-failed"));
    CliRun overflow =
        Run({"merge", "--json", "boot.bin", "AppX.bin", "--format", "hex", "--base", "0xFFFFFFFF"});
    const QJsonObject overflowError =
        QJsonDocument::fromJson(overflow.strOut.toUtf8())["error"].toObject();
    EXPECT_EQ(overflowError["code"].toString(), QStringLiteral("address-overflow"));
    EXPECT_EQ(overflowError["address"].toDouble(), 0xFFFFFFFF);
    EXPECT_TRUE(overflowError["reason"].toString().contains(QString::fromUtf8("超出 32 位地址")));
    // A name with a line end cannot start a line of its own on standard output.
    if (!NullDevice().startsWith(QLatin1Char('/'))) return;  // no such names on Windows
    CliRun named = Run({"merge", "boot.bin", "AppX.bin", "-o", "a\nb.bin"});
    EXPECT_TRUE(named.strOut.startsWith(QStringLiteral("a\\nb.bin ").prepend(m_tmp.Path() + "/")))
        << named.strOut.toStdString();
    // A catalogue far too large is refused at once; the run goes on without it.
    QFile huge(m_tmp.File("huge.ini"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(65 * 1024 * 1024));
    huge.close();
    CliRun big = Run({"boot", "boot.bin", "--catalogue", "huge.ini"});
    EXPECT_EQ(big.nExit, 0);
    EXPECT_TRUE(big.strErr.contains(QString::fromUtf8("超过上限 67108864 Bytes, 设备目录为空")));
    CliRun tooLarge = Run({"verify", "huge.ini"});
    EXPECT_TRUE(tooLarge.strErr.contains(
        QStringLiteral("huge.ini: larger than allowed: 68157440 bytes, more than 67108864\n")))
        << tooLarge.strErr.toStdString();
}

TEST_F(CliProcess, FailedLayoutChecksAskBeforeTheSave) {
    WriteAllBytes(m_tmp.File("Moved.bin"), MakeMovedApp(20000));
    CliRun declined = Run({"merge", "-n", "boot.bin", "Moved.bin"});
    EXPECT_EQ(declined.nExit, 1);
    EXPECT_TRUE(declined.strErr.contains(QString::fromUtf8("] 检查 appAddress = 失败, ")));
    EXPECT_TRUE(declined.strErr.contains(QString::fromUtf8("合成固件 = 取消")));
    EXPECT_FALSE(QFile::exists(m_tmp.File("Moved_all.bin")));
    CliRun json = Run({"merge", "-y", "--json", "boot.bin", "Moved.bin"});
    EXPECT_EQ(json.nExit, 0);
    const QJsonArray checks = QJsonDocument::fromJson(json.strOut.toUtf8())["checks"].toArray();
    ASSERT_FALSE(checks.isEmpty());
    EXPECT_EQ(checks[1]["name"].toString(), QStringLiteral("appAddress"));
    EXPECT_FALSE(checks[1]["ok"].toBool());
}

TEST_F(CliProcess, VerifyExitStatusFindingsAndJson) {
    CliRun merge = Run({"merge", "boot.bin", "AppX.bin", "--fill", "0xFF", "-o", "fw.bin"});
    ASSERT_EQ(merge.nExit, 0) << merge.strErr.toStdString();
    EXPECT_TRUE(merge.strErr.contains(QStringLiteral("App File Size 20000 \n[")));
    EXPECT_TRUE(merge.strErr.contains(QStringLiteral("] Fill Byte 0xFF\n")));
    const QByteArray fw = ReadAllBytes(m_tmp.File("fw.bin"));
    CliRun good =
        Run({"verify", "fw.bin", "--boot", "boot.bin", "--app", "AppX.bin", "--fill", "255"});
    EXPECT_EQ(good.nExit, 0);
    EXPECT_EQ(good.strOut.count(QStringLiteral("\nok   ")), 11);
    EXPECT_TRUE(
        good.strOut.endsWith(QString::asprintf("fw.bin 24096 bytes crc32=%08x sha256=", Crc32(fw)) +
                             Sha256Hex(fw) + "\n"));
    CliRun bad = Run({"verify", "--json", "fw.bin", "--boot", "boot.bin"});  // fill 0x00 expected
    EXPECT_EQ(bad.nExit, 3);
    QJsonObject json = QJsonDocument::fromJson(bad.strOut.toUtf8()).object();
    EXPECT_FALSE(json["ok"].toBool());
    QJsonArray checks = json["checks"].toArray();
    ASSERT_EQ(checks.size(), 11);
    EXPECT_EQ(checks[4].toObject()["check"].toString(), QStringLiteral("bootRegion"));
    EXPECT_EQ(checks[4].toObject()["offset"].toInt(), 3000);
    EXPECT_EQ(json["sha256"].toString(), Sha256Hex(fw));
    // An App linked for 0x08004000 fails the layout; without --boot the cut is not judged.
    QByteArray moved = fw;
    moved[0x1111] = 0x40;
    WriteAllBytes(m_tmp.File("moved.bin"), moved);
    CliRun layout = Run({"verify", "--json", "moved.bin"});
    EXPECT_EQ(layout.nExit, 3);
    checks = QJsonDocument::fromJson(layout.strOut.toUtf8())["checks"].toArray();
    ASSERT_EQ(checks.size(), 10);
    EXPECT_EQ(checks[4].toObject()["check"].toString(), QStringLiteral("bootCut"));
    EXPECT_TRUE(checks[4].toObject()["skipped"].toBool());
    EXPECT_EQ(checks[5].toObject()["check"].toString(), QStringLiteral("appAddress"));
    EXPECT_FALSE(checks[5].toObject()["ok"].toBool());
    EXPECT_FALSE(checks[5].toObject().contains("skipped"));
    EXPECT_EQ(Run({"verify", "missing.bin"}).nExit, 1);
    EXPECT_EQ(Run({"verify", "fw.bin", "--app", NullDevice()}).nExit, 1);  // not a regular file
    for (const QStringList& wrong : {QStringList{"verify", "fw.bin", "--format", "hex"},
                                     {"merge", "boot.bin", "AppX.bin", "--boot", "b"},
                                     {"merge", "boot.bin", "AppX.bin", "--fill", "0x100"},
                                     {"merge", "boot.bin", "AppX.bin", "--base", "0x100000000"},
                                     {"merge", "boot.bin", "AppX.bin", "--record-bytes", "20"},
                                     {"diff", "--json", "a", "b"}}) {
        EXPECT_EQ(Run(wrong).nExit, 2) << wrong.join(' ').toStdString();
    }
}

TEST_F(CliProcess, MergeAsHexNamesTheFormatWithTheImageDigestAndDiffCompares) {
    ASSERT_EQ(Run({"merge", "boot.bin", "AppX.bin", "-o", "fw.bin"}).nExit, 0);
    const QByteArray fw = ReadAllBytes(m_tmp.File("fw.bin"));
    CliRun hex = Run({"merge", "boot.bin", "AppX.bin", "--format", "hex"});
    ASSERT_EQ(hex.nExit, 0) << hex.strErr.toStdString();
    EXPECT_TRUE(
        hex.strOut.endsWith(QString::asprintf(".hex 24096 bytes crc32=%08x sha256=", Crc32(fw)) +
                            Sha256Hex(fw) + " format=hex\n"));
    EXPECT_TRUE(ReadAllBytes(m_tmp.File("AppX_1.05.hex")).startsWith(":020000040800F2\r\n"));
    // A raw boot loader names no entry address: no start record.
    EXPECT_FALSE(ReadAllBytes(m_tmp.File("AppX_1.05.hex")).contains(":04000005"));
    CliRun overflow =
        Run({"merge", "boot.bin", "AppX.bin", "--format", "srec", "--base", "0xFFFFF000"});
    EXPECT_EQ(overflow.nExit, 1);
    EXPECT_TRUE(overflow.strErr.contains(QString::fromUtf8("超出 32 位地址")));
    EXPECT_FALSE(QFile::exists(m_tmp.File("AppX_1.05.srec")));

    EXPECT_EQ(Run({"diff", "fw.bin", "fw.bin"}).nExit, 0);
    CliRun diff = Run({"diff", "boot.bin", "fw.bin"});
    EXPECT_EQ(diff.nExit, 1);
    EXPECT_TRUE(diff.strOut.endsWith(QStringLiteral("(A 3000 bytes, B 24096 bytes)\n")));
}

// The bash completion offers every option that --help lists.
TEST_F(CliProcess, TheCompletionListsEveryOption) {
    const QByteArray completion = ReadAllBytes(QStringLiteral(CLI_SOURCE_DIR "/quorrix-cli.bash"));
    ASSERT_FALSE(completion.isEmpty());
    const QString strHelp = Run({"--help"}).strOut;
    const QRegularExpression option(QStringLiteral("(?:^|[ ,])(--?[a-z][a-z-]*)"));
    int nOptions = 0;
    for (const QString& strLine : strHelp.split(QLatin1Char('\n'))) {
        if (!strLine.startsWith(QLatin1String("  -"))) continue;
        for (auto it = option.globalMatch(strLine.section(QStringLiteral("  "), 1, 1));
             it.hasNext();) {
            const QString strOption = it.next().captured(1);
            const QRegularExpression word(QStringLiteral("[\\s'|]") +
                                          QRegularExpression::escape(strOption) +
                                          QStringLiteral("[\\s'|)]"));
            EXPECT_TRUE(word.match(QString::fromUtf8(completion)).hasMatch())
                << strOption.toStdString();
            ++nOptions;
        }
    }
    EXPECT_GT(nOptions, 15);
    for (const char* pCommand : {"boot", "app", "merge", "verify", "diff"})
        EXPECT_TRUE(completion.contains(" " + QByteArray(pCommand))) << pCommand;
}

// Build outputs go in as they are: the format, start and entry address and the segments in
// JSON, the same from the ELF as from objcopy's HEX of it, the entry in the start record of a
// merge, a broken record named by its line and nothing taken.
TEST_F(CliProcess, BuildOutputsAreConvertedOrRefusedWithTheirLine) {
    if (std::string_view(ARM_FIXTURES_DIR).empty()) GTEST_SKIP() << "no Arm fixtures built";
    const QString strHex = QStringLiteral(ARM_FIXTURES_DIR "/app.hex");
    CliRun app = Run({"app", "--json", strHex});
    EXPECT_EQ(app.nExit, 0) << app.strErr.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(app.strOut.toUtf8()).object();
    EXPECT_EQ(json["format"].toString(), QStringLiteral("hex"));
    EXPECT_EQ(json["startAddress"].toDouble(), double(0x08001000));
    EXPECT_TRUE(app.strErr.contains(QString::fromUtf8(" = 成功, HEX 0x08001000 - ")));
    EXPECT_TRUE(app.strErr.contains(QString::fromUtf8(" Bytes, 2 段\n")));
    const QJsonObject elf =
        QJsonDocument::fromJson(Run({"app", "--json", ARM_FIXTURES_DIR "/app.elf"}).strOut.toUtf8())
            .object();
    EXPECT_EQ(json["segments"].toArray().size(), 2);
    EXPECT_EQ(json["segments"], elf["segments"]);
    const QByteArray elfFile = ReadAllBytes(QStringLiteral(ARM_FIXTURES_DIR "/boot.elf"));
    const auto dwEntry = qFromLittleEndian<quint32>(elfFile.constData() + 24);
    EXPECT_EQ(json["entryAddress"], elf["entryAddress"]);
    const QJsonObject bin =
        QJsonDocument::fromJson(Run({"app", "--json", "AppX.bin"}).strOut.toUtf8()).object();
    EXPECT_TRUE(bin["entryAddress"].isNull() && bin["segments"].isNull());
    ASSERT_EQ(
        Run({"merge", ARM_FIXTURES_DIR "/boot.elf", "AppX.bin", "--format", "hex", "-o", "fw.hex"})
            .nExit,
        0);
    EXPECT_TRUE(ReadAllBytes(m_tmp.File("fw.hex"))
                    .contains(QString::asprintf(":04000005%08X", dwEntry).toLatin1()));
    QByteArray broken = ReadAllBytes(strHex);
    broken[broken.indexOf('\n') + 10] = broken[broken.indexOf('\n') + 10] == '0' ? '1' : '0';
    WriteAllBytes(m_tmp.File("broken.hex"), broken);
    CliRun refused = Run({"app", "broken.hex"});
    EXPECT_EQ(refused.nExit, 1);
    EXPECT_TRUE(refused.strErr.contains(QString::fromUtf8("broken.hex = 失败, 第 2 行")))
        << refused.strErr.toStdString();
}

// A file that carries addresses starts where the flash does, and --boot is checked as the merge
// checks it: a HEX loaded into RAM or a boot loader linked at 0 is no sound firmware.
TEST_F(CliProcess, VerifyChecksWhereEveryFileWithAddressesStarts) {
    ASSERT_EQ(Run({"merge", "boot.bin", "AppX.bin", "--format", "hex", "-o", "fw.hex"}).nExit, 0);
    EXPECT_EQ(Run({"verify", "fw.hex"}).nExit, 0);
    ASSERT_EQ(Run({"merge", "boot.bin", "AppX.bin", "--format", "hex", "--base", "0x20000000", "-o",
                   "ram.hex"})
                  .nExit,
              0);
    CliRun ram = Run({"verify", "ram.hex"});
    EXPECT_EQ(ram.nExit, 3);
    EXPECT_TRUE(ram.strOut.contains(QStringLiteral(
        "FAIL start address: merged file starts at 0x20000000, not at the flash base 0x08000000")))
        << ram.strOut.toStdString();
    ASSERT_EQ(Run({"merge", "boot.bin", "AppX.bin", "-o", "fw.bin"}).nExit, 0);
    const QByteArray boot = ReadAllBytes(m_tmp.File("boot.bin"));
    WriteAllBytes(m_tmp.File("boot0.hex"),
                  IntelHexOf(reinterpret_cast<const unsigned char*>(boot.constData()), boot.size(),
                             0, 16, std::nullopt));
    CliRun boot0 = Run({"verify", "fw.bin", "--boot", "boot0.hex"});
    EXPECT_EQ(boot0.nExit, 3);
    EXPECT_TRUE(boot0.strOut.contains(QStringLiteral(
        "FAIL start address: boot loader file starts at 0x00000000, not at the flash base")))
        << boot0.strOut.toStdString();
}

// The App of a merged HEX starts 4096 bytes after the file does, where its block says.
TEST_F(CliProcess, AnAppTakenOutOfAMergedHexStartsAfterTheBootRegion) {
    ASSERT_EQ(Run({"merge", "boot.bin", "AppX.bin", "-o", "fw.bin"}).nExit, 0);
    ASSERT_EQ(Run({"merge", "boot.bin", "AppX.bin", "--format", "hex", "-o", "fw.hex"}).nExit, 0);
    CliRun again = Run({"merge", "-y", "boot.bin", "fw.hex", "-o", "fw2.bin"});
    EXPECT_EQ(again.nExit, 0) << again.strErr.toStdString();
    EXPECT_FALSE(again.strErr.contains(QString::fromUtf8("检查 startAddress = 失败")))
        << again.strErr.toStdString();
    EXPECT_EQ(ReadAllBytes(m_tmp.File("fw2.bin")), ReadAllBytes(m_tmp.File("fw.bin")));
}

// bootCut judges the whole boot loader with its true length: a converted one past the 65536
// bytes the workspace keeps, a binary one past them as it is read, in the merge and in verify.
TEST_F(CliProcess, BootCutSeesCodeAnywhereInTheBootLoader) {
    QByteArray boot = ReadAllBytes(m_tmp.File("boot.bin"));
    QByteArray image =
        boot + QByteArray(0x20000 - boot.size(), '\0') + QByteArray("\x01\x02\x03\x04");
    WriteAllBytes(m_tmp.File("long.hex"),
                  IntelHexOf(reinterpret_cast<const unsigned char*>(image.constData()),
                             image.size(), 0x08000000, 16, std::nullopt));
    CliRun hex = Run({"merge", "-n", "long.hex", "AppX.bin", "-o", "fw.bin"});
    EXPECT_EQ(hex.nExit, 1);
    EXPECT_TRUE(hex.strErr.contains(QString::fromUtf8(
        "检查 bootCut = 失败, boot loader cut: 131076 bytes, code past 4096 is cut off: 0x01 at "
        "0x20000")))
        << hex.strErr.toStdString();
    boot += QByteArray(70000 - boot.size(), '\xFF');
    boot[69999] = 0x7F;
    WriteAllBytes(m_tmp.File("long.bin"), boot);
    const char* pCut = "boot loader cut: 70000 bytes, code past 4096 is cut off: 0x7F at 0x1116F";
    CliRun bin = Run({"merge", "-n", "long.bin", "AppX.bin", "-o", "fw.bin"});
    EXPECT_EQ(bin.nExit, 1);
    EXPECT_TRUE(bin.strErr.contains(QLatin1String(pCut))) << bin.strErr.toStdString();
    ASSERT_EQ(Run({"merge", "-y", "long.bin", "AppX.bin", "-o", "fw.bin"}).nExit, 0);
    CliRun verify = Run({"verify", "fw.bin", "--boot", "long.bin"});
    EXPECT_EQ(verify.nExit, 3);
    EXPECT_TRUE(verify.strOut.contains(QLatin1String("FAIL ") + pCut))
        << verify.strOut.toStdString();
}

// A boot loader beyond the 64 MiB that are scanned is taken as its block says, and bootCut
// says it did not look instead of reading on.
TEST_F(CliProcess, ABootLoaderOver64MiBIsTakenButItsCutNotChecked) {
    QFile huge(m_tmp.File("huge.bin"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_EQ(huge.write(ReadAllBytes(m_tmp.File("boot.bin"))), 3000);
    if (!huge.resize(64 * 1024 * 1024 + 1)) GTEST_SKIP() << "no sparse files here";
    huge.close();
    CliRun merge = Run({"merge", "-n", "huge.bin", "AppX.bin", "-o", "fw.bin"});
    EXPECT_EQ(merge.nExit, 1);
    EXPECT_TRUE(merge.strErr.contains(QString::fromUtf8(
        "检查 bootCut = 失败, boot loader cut: 67108865 bytes, longer than 64 MiB, not checked")))
        << merge.strErr.toStdString();
    EXPECT_FALSE(merge.strErr.contains(QString::fromUtf8("检查 bootVectors")));
}

// The day's log is open while a merge runs: it is never replaced by the image, by any name.
TEST_F(CliProcess, TheOpenLogOfTheDayIsNeverAnOutput) {
    ASSERT_EQ(Run({"boot", "boot.bin"}).nExit, 0);  // the day's log is there
    QString strDate;
    CRunLog::FormatToday(strDate);
    const QString strLog = LogRootFolder() + "/" + strDate + "/RunLoglog_" + strDate + ".log";
    ASSERT_TRUE(QFileInfo(strLog).isFile()) << strLog.toStdString();
    QStringList outputs{strLog};
    // A link of Windows is a shortcut file of its own, which names nothing else.
    const bool bLinks = NullDevice().startsWith(QLatin1Char('/'));
    if (bLinks && QFile::link(strLog, m_tmp.File("day.log"))) outputs << m_tmp.File("day.log");
    for (const QString& strOut : outputs) {
        const qint64 nBefore = QFileInfo(strLog).size();
        CliRun merge = Run({"merge", "-f", "boot.bin", "AppX.bin", "-o", strOut});
        EXPECT_EQ(merge.nExit, 1);
        EXPECT_TRUE(merge.strErr.contains(QString::fromUtf8(" = 失败, 是日志文件")))
            << merge.strErr.toStdString();
        EXPECT_GT(QFileInfo(strLog).size(), nBefore);
        EXPECT_FALSE(ReadAllBytes(strLog).contains(ReadAllBytes(m_tmp.File("AppX.bin"))));
    }
}

// What the run log says of a refusal reaches the JSON too: the save's reason, the input's line.
TEST_F(CliProcess, JsonErrorsCarryTheReasonAndItsLine) {
    CliRun same = Run({"merge", "-y", "--json", "boot.bin", "AppX.bin", "-o", "boot.bin"});
    const QJsonObject saveError = QJsonDocument::fromJson(same.strOut.toUtf8())["error"].toObject();
    EXPECT_EQ(saveError["code"].toString(), QStringLiteral("save-failed"));
    EXPECT_EQ(saveError["reason"].toString(), QString::fromUtf8("是输入文件"));
    EXPECT_TRUE(saveError["message"].toString().endsWith(
        QStringLiteral("boot.bin: not saved: an input of the merge")));
    WriteAllBytes(m_tmp.File("bad.hex"), ":020000040800F2\n:0400000001020304F1\n:00000001FF\n");
    CliRun bad = Run({"boot", "--json", "bad.hex"});
    EXPECT_EQ(bad.nExit, 1);
    const QJsonObject readError = QJsonDocument::fromJson(bad.strOut.toUtf8())["error"].toObject();
    EXPECT_EQ(readError["code"].toString(), QStringLiteral("convert-failed"));
    EXPECT_TRUE(readError["reason"].toString().contains(QString::fromUtf8("校验和错误")))
        << readError["reason"].toString().toStdString();
    EXPECT_EQ(readError["line"].toInt(), 2);
}

// merge and verify say the same of the same images, in the same words and keys.
TEST_F(CliProcess, MergeAndVerifyGiveOneAnswerPerCheck) {
    CliRun merge = Run({"merge", "--json", "boot.bin", "AppX.bin", "-o", "fw.bin"});
    ASSERT_EQ(merge.nExit, 0) << merge.strErr.toStdString();
    CliRun verify = Run({"verify", "--json", "fw.bin", "--boot", "boot.bin", "--app", "AppX.bin"});
    QMap<QString, QJsonObject> verified;
    for (const QJsonValue check :
         QJsonDocument::fromJson(verify.strOut.toUtf8())["checks"].toArray())
        verified[check["name"].toString()] = check.toObject();
    const QJsonArray merged = QJsonDocument::fromJson(merge.strOut.toUtf8())["checks"].toArray();
    ASSERT_FALSE(merged.isEmpty());
    for (const QJsonValue check : merged) {
        EXPECT_EQ(verified.value(check["name"].toString()), check.toObject())
            << check["name"].toString().toStdString();
    }
}

TEST_F(CliProcess, ModuleCommandsRefuseWrongUsageAndAnAbsentServer) {
    EXPECT_EQ(Run({"flash", "boot.bin"}).nExit, 2);             // no --gdb
    EXPECT_EQ(Run({"read", "--gdb", ":3333"}).nExit, 2);        // no -o
    EXPECT_EQ(Run({"module", "--gdb", "localhost"}).nExit, 2);  // no port
    EXPECT_EQ(Run({"module", "--gdb", ":3333", "--server", "nosuch"}).nExit, 2);
    EXPECT_EQ(Run({"merge", "boot.bin", "AppX.bin", "--gdb", ":3333"}).nExit, 2);
    QTcpServer closed;  // a port that was free a moment ago: nothing listens there now
    closed.listen(QHostAddress::LocalHost, 0);
    const QString strPort = QStringLiteral(":%1").arg(closed.serverPort());
    closed.close();
    const CliRun module = Run({"module", "--gdb", strPort});
    EXPECT_EQ(module.nExit, 1);
    EXPECT_TRUE(module.strErr.contains(QStringLiteral("连接 GDB ") + strPort + " = 失败"))
        << module.strErr.toStdString();
}
