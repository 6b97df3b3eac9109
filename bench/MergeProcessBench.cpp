// quorrix-cli merge of a 64 KiB boot loader and a 128 KiB App as a whole process, against
// srec_cat doing the same concatenation and cat as the floor, in alternating rounds.
#include <QTemporaryDir>
#include <cstdio>

#include "bench/ProcessTiming.h"

int main() {
    QTemporaryDir dir;
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("state"))));
    auto path = [&dir](const char* p) {
        return dir.filePath(QString::fromLatin1(p)).toStdString();
    };
    QByteArray boot = Pattern(64 * 1024, 1);
    Write(QString::fromStdString(path("boot.bin")), boot);
    Write(QString::fromStdString(path("boot4k.bin")), boot.left(4096));
    Write(QString::fromStdString(path("app.bin")), Pattern(128 * 1024, 2));
    const std::vector<std::string> quorrix = {
        QUORRIX_CLI,      "merge",         "-y", "--catalogue", path("none.ini"),
        path("boot.bin"), path("app.bin"), "-o", path("q.bin")};
    const std::vector<std::string> srec = {
        "srec_cat", path("boot.bin"), "-binary", "-crop", "0",           "0x1000", path("app.bin"),
        "-binary",  "-offset",        "0x1000",  "-o",    path("s.bin"), "-binary"};
    const std::vector<std::string> cat = {"cat", path("boot4k.bin"), path("app.bin")};
    std::vector<double> tq, ts, tc;
    const int nRounds = 40;
    for (int i = 0; i < nRounds; ++i) {
        tq.push_back(Milliseconds(quorrix));
        ts.push_back(Milliseconds(srec));
        tc.push_back(Milliseconds(cat, path("c.bin")));
    }
    const bool bSame =
        Sha(QString::fromStdString(path("q.bin"))) == Sha(QString::fromStdString(path("s.bin"))) &&
        Sha(QString::fromStdString(path("q.bin"))) == Sha(QString::fromStdString(path("c.bin")));
    const double q = Median(tq), s = Median(ts), c = Median(tc);
    std::printf("rounds: %d (alternating), outputs identical: %s\n", nRounds, bSame ? "yes" : "NO");
    std::printf("| command | median ms | ratio to cat |\n|---|---|---|\n");
    std::printf("| quorrix-cli merge | %.2f | %.1fx |\n", q, q / c);
    std::printf("| srec_cat | %.2f | %.1fx |\n", s, s / c);
    std::printf("| cat (floor) | %.2f | 1.0x |\n", c);
    std::printf("quorrix-cli / srec_cat: %.2f\n", q / s);
    return bSame ? 0 : 1;
}
