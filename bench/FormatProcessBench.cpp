// quorrix-cli verify of a merged image (64 KiB boot loader, zero past 4 KiB, cut to 4 KiB; 128 KiB
// App) and merge --format hex, as whole processes, each against srec_cat doing the like in
// alternating rounds: srec_cat reading the image and computing its CRC-32, and srec_cat
// writing the same Intel HEX.
#include <QTemporaryDir>
#include <cstdio>

#include "bench/ProcessTiming.h"

int main() {
    QTemporaryDir dir;
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("state"))));
    auto path = [&dir](const char* p) {
        return dir.filePath(QString::fromLatin1(p)).toStdString();
    };
    // No boot-loader code past the 4 KiB that the merge keeps: verify would fail the cut.
    QByteArray boot = Pattern(4096, 1) + QByteArray(60 * 1024, '\0');
    QByteArray app = Pattern(128 * 1024, 2);
    PutVectorsAndBlock(boot, 0x0102, 0x08000000);  // boot loader type 1
    PutVectorsAndBlock(app, 0x0301, 0x08001000);   // App type 1
    Write(QString::fromStdString(path("boot.bin")), boot);
    Write(QString::fromStdString(path("app.bin")), app);
    Write(QString::fromStdString(path("fw.bin")), boot.left(4096) + app);
    const std::string strCli = QUORRIX_CLI;
    const std::vector<std::string> verify = {strCli,           "verify", path("fw.bin"), "--boot",
                                             path("boot.bin"), "--app",  path("app.bin")};
    const std::vector<std::string> srecCrc = {"srec_cat", path("fw.bin"), "-binary",   "-crc32-l-e",
                                              "0x21000",  "-o",           "/dev/null", "-binary"};
    const std::vector<std::string> hex = {
        strCli,          "merge",    "-y",  "--catalogue", path("none.ini"), path("boot.bin"),
        path("app.bin"), "--format", "hex", "-o",          path("q.hex")};
    const std::vector<std::string> srecHex = {
        "srec_cat", path("boot.bin"), "-binary",       "-crop",   "0",       "0x1000",
        "-offset",  "0x08000000",     path("app.bin"), "-binary", "-offset", "0x08001000",
        "-o",       path("s.hex"),    "-intel",        "-obs=16"};
    std::vector<double> tv, tc, th, ts;
    const int nRounds = 40;
    for (int i = 0; i < nRounds; ++i) {
        tv.push_back(Milliseconds(verify));
        tc.push_back(Milliseconds(srecCrc));
        th.push_back(Milliseconds(hex));
        ts.push_back(Milliseconds(srecHex));
    }
    // Both HEX files must load the same bytes.
    SpawnAndWait({"srec_cat", path("q.hex"), "-intel", "-offset", "-0x08000000", "-o",
                  path("q.bin"), "-binary"});
    SpawnAndWait({"srec_cat", path("s.hex"), "-intel", "-offset", "-0x08000000", "-o",
                  path("s.bin"), "-binary"});
    const bool bSame = SpawnAndWait(verify) == 0 && Sha(QString::fromStdString(path("q.bin"))) ==
                                                        Sha(QString::fromStdString(path("s.bin")));
    const double v = Median(tv), c = Median(tc), h = Median(th), s = Median(ts);
    std::printf("rounds: %d (alternating), verify passes and HEX loads identical: %s\n", nRounds,
                bSame ? "yes" : "NO");
    std::printf("| command | median ms | srec_cat median ms | ratio |\n|---|---|---|---|\n");
    std::printf("| quorrix-cli verify --boot --app | %.2f | %.2f (CRC-32) | %.2f |\n", v, c, v / c);
    std::printf("| quorrix-cli merge --format hex | %.2f | %.2f (-intel) | %.2f |\n", h, s, h / s);
    return bSame ? 0 : 1;
}
