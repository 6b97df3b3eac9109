// Flash and verify a 256 KiB merged image into QEMU's netduino2 as a whole process: quorrix-cli
// flash (with and without its backup) against gdb-multiarch on the same QEMU doing restore
// and a dump compared with cmp, in alternating rounds. Then the write and read-back speed of
// the core against the stand-in server with a PacketSize of 0x4000 and of 0x400.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "bench/ProcessTiming.h"
#include "firmware/probe/GdbTarget.h"
#include "tests/firmware/probe/StandInServer.h"

namespace {

// Boot loader and App with their blocks and a reset handler that loops ("b ."): both programs
// reset the module after the write, and QEMU then runs that loop between the rounds.
QByteArray MergedImage() {
    QByteArray boot = Pattern(4096, 1), app = Pattern(256 * 1024 - 4096, 2);
    PutVectorsAndBlock(boot, 0x0101, 0x08000000);
    PutVectorsAndBlock(app, 0x0301, 0x08001000);
    for (QByteArray* p : {&boot, &app}) p->replace(0x120, 2, QByteArray("\xFE\xE7", 2));
    return boot + app;
}

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

void StandInSpeed(int nPacketSize) {
    StandInConfig config;
    config.nPacketSize = nPacketSize;
    config.bMap = false;  // M/X writes: the packet layer, not the stand-in's flash model
    CStandInServer server(config);
    CGdbTarget target;
    if (!target.Connect(server.Address(), QString()).Done()) return;
    const QByteArray bytes = Pattern(256 * 1024, 3);
    CNoProgress none;
    QElapsedTimer timer;
    timer.start();
    target.WriteMemory(0x08000000, bytes, none);
    const double dWrite = timer.nsecsElapsed() / 1e9;
    QByteArray back;
    timer.restart();
    target.Read(0x08000000, static_cast<std::uint32_t>(bytes.size()), back, none, QString());
    const double dRead = timer.nsecsElapsed() / 1e9;
    std::printf("| stand-in, PacketSize 0x%x | %.0f KiB/s | %.0f KiB/s | %s |\n", nPacketSize,
                256 / dWrite, 256 / dRead, back == bytes ? "yes" : "NO");
    target.Detach();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("state"))));
    auto path = [&dir](const char* p) {
        return dir.filePath(QString::fromLatin1(p)).toStdString();
    };
    const QByteArray image = MergedImage();
    Write(QString::fromStdString(path("fw.bin")), image);
    const quint16 nPort = FreePort();
    QProcess qemu;
    qemu.start(QStringLiteral("qemu-system-arm"),
               {"-M", "netduino2", "-S", "-display", "none", "-nodefaults", "-monitor", "none",
                "-serial", "null", "-gdb", QStringLiteral("tcp:127.0.0.1:%1").arg(nPort)});
    if (!qemu.waitForStarted()) return 1;
    QThread::msleep(500);
    const std::string strGdb = ":" + std::to_string(nPort);
    const std::string strRemote = "target remote 127.0.0.1:" + std::to_string(nPort);
    const std::vector<std::string> quorrix = {QUORRIX_CLI,   "flash",          path("fw.bin"),
                                              "--gdb",       strGdb,           "-y",
                                              "--catalogue", path("none.ini"), "--no-reset"};
    std::vector<std::string> noBackup = quorrix;
    noBackup.push_back("--no-backup");
    const std::vector<std::vector<std::string>> gdb = {
        {"gdb-multiarch", "-batch", "-nx", "-ex", "set architecture arm", "-ex", strRemote, "-ex",
         "restore " + path("fw.bin") + " binary 0x08000000", "-ex", "monitor system_reset", "-ex",
         "dump binary memory " + path("back.bin") + " 0x08000000 0x08040000"},
        {"cmp", path("fw.bin"), path("back.bin")}};
    std::vector<double> tq, tn, tg;
    int nFailed = 0;
    const int nRounds = 15;
    for (int i = 0; i < nRounds; ++i) {
        tq.push_back(Milliseconds(quorrix));
        tn.push_back(Milliseconds(noBackup));
        tg.push_back(PipelineMilliseconds(gdb));
    }
    // Each run ends in a reset: the module runs the image's loop until the next one stops it.
    nFailed += SpawnAndWait(quorrix) != 0;
    nFailed += SpawnAndWait(noBackup) != 0;
    const bool bSame = Sha(QString::fromStdString(path("fw.bin"))) ==
                       Sha(QString::fromStdString(path("back.bin")));
    const double q = Median(tq), n = Median(tn), g = Median(tg);
    std::printf(
        "rounds: %d (alternating), 256 KiB into QEMU netduino2; gdb's read back equals "
        "the file: %s; quorrix-cli failures: %d\n",
        nRounds, bSame ? "yes" : "NO", nFailed);
    std::printf("| command | median ms | ratio to gdb |\n|---|---|---|\n");
    std::printf(
        "| quorrix-cli flash (read module, backup, write, verify, marker, reset) | %.1f | %.2fx "
        "|\n",
        q, q / g);
    std::printf("| quorrix-cli flash --no-backup | %.1f | %.2fx |\n", n, n / g);
    std::printf("| gdb-multiarch restore, monitor system_reset, dump; cmp | %.1f | 1.00x |\n", g);
    qemu.kill();
    qemu.waitForFinished();
    std::printf("\n| server | write | read back | equal |\n|---|---|---|---|\n");
    StandInSpeed(0x4000);
    StandInSpeed(0x400);
    return bSame && nFailed == 0 ? 0 : 1;
}
