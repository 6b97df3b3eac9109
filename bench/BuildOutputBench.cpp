// Build outputs read by quorrix-cli as whole processes, in alternating rounds, medians: the
// HEX file of a 128 KiB App against srec_cat and objcopy turning it into a binary, and a merge
// of two ELF files against the pipeline run before the reader existed (objcopy -O binary
// twice, then a merge of the binaries). A bare Qt core program is the floor of any run.
#include <QTemporaryDir>
#include <cstdio>

#include "bench/ProcessTiming.h"

namespace {

using Command = std::vector<std::string>;

constexpr int ROUNDS = 60;
constexpr std::uint32_t APP_ADDRESS = 0x08001000;

// Code under the vector table and an App info block, so that quorrix-cli takes it as an App
// without a question.
QByteArray App() {
    QByteArray app = Pattern(128 * 1024, 2);
    PutVectorsAndBlock(app, 0x0301, APP_ADDRESS);
    return app;
}

QByteArray ReadAt(const QString& strPath, qint64 nAt, qint64 nLength) {
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(nAt)) return QByteArray();
    return file.read(nLength);
}

// Runs every command ROUNDS times, one after the other in each round; their medians.
std::vector<double> Medians(const std::vector<std::vector<Command>>& pipelines) {
    std::vector<std::vector<double>> times(pipelines.size());
    for (int i = 0; i < ROUNDS; ++i) {
        for (std::size_t n = 0; n < pipelines.size(); ++n)
            times[n].push_back(PipelineMilliseconds(pipelines[n]));
    }
    std::vector<double> medians;
    for (const auto& t : times) medians.push_back(Median(t));
    return medians;
}

bool BenchHexApp(const std::function<std::string(const char*)>& path) {
    const QByteArray app = App();
    Write(QString::fromStdString(path("app.bin")), app);
    SpawnAndWait({"srec_cat", path("app.bin"), "-binary", "-offset", "0x08001000", "-o",
                  path("app.hex"), "-intel", "-obs=16"});
    const Command quorrix = {QUORRIX_CLI,      "app",   path("app.hex"), "--catalogue",
                             path("none.ini"), "--json"};
    const Command srec = {"srec_cat", path("app.hex"), "-intel", "-o", path("s.bin"), "-binary"};
    const Command objcopy = {"arm-none-eabi-objcopy", "-I",         "ihex", "-O", "binary",
                             path("app.hex"),         path("o.bin")};
    const Command core = {START_CORE};
    const std::vector<double> m = Medians({{quorrix}, {srec}, {objcopy}, {core}});
    // srec_cat writes the binary from address 0, objcopy from the lowest address.
    SpawnAndWait(quorrix, path("q.json"));
    const QByteArray json = ReadAt(QString::fromStdString(path("q.json")), 0, 1 << 20);
    const bool bSame = json.contains("\"accepted\": true") && json.contains("\"size\": 131072") &&
                       ReadAt(QString::fromStdString(path("o.bin")), 0, 1 << 20) == app &&
                       ReadAt(QString::fromStdString(path("s.bin")), APP_ADDRESS, 1 << 20) == app;
    const QFileInfo hex(QString::fromStdString(path("app.hex")));
    std::printf(
        "HEX of a 128 KiB App (%lld bytes of text), rounds: %d (alternating), "
        "App accepted and both binaries equal to it: %s\n",
        static_cast<long long>(hex.size()), ROUNDS, bSame ? "yes" : "NO");
    std::printf("| command | median ms | ratio to quorrix-cli |\n|---|---|---|\n");
    std::printf("| quorrix-cli app FILE --json | %.2f | 1.00 |\n", m[0]);
    std::printf("| srec_cat IN -intel -o OUT -binary | %.2f | %.2f |\n", m[1], m[1] / m[0]);
    std::printf("| arm-none-eabi-objcopy -I ihex -O binary | %.2f | %.2f |\n", m[2], m[2] / m[0]);
    std::printf("| bare Qt core program (floor) | %.2f | %.2f |\n\n", m[3], m[3] / m[0]);
    return bSame;
}

bool BenchElfMerge(const std::function<std::string(const char*)>& path) {
    const std::string strFixtures = ARM_FIXTURES_DIR;
    if (strFixtures.empty()) {
        std::printf("ELF merge skipped: the Arm fixtures were not built (no arm-none-eabi-gcc)\n");
        return true;
    }
    const std::string strBoot = strFixtures + "/boot.elf", strApp = strFixtures + "/app.elf";
    const Command direct = {QUORRIX_CLI, "merge", "-y", "--catalogue", path("none.ini"),
                            strBoot,     strApp,  "-o", path("q.bin")};
    const std::vector<Command> pipeline = {
        {"arm-none-eabi-objcopy", "-O", "binary", strBoot, path("boot.bin")},
        {"arm-none-eabi-objcopy", "-O", "binary", strApp, path("app.bin")},
        {QUORRIX_CLI, "merge", "-y", "--catalogue", path("none.ini"), path("boot.bin"),
         path("app.bin"), "-o", path("p.bin")}};
    const Command core = {START_CORE};
    const std::vector<double> m = Medians({{direct}, pipeline, {core}});
    const bool bSame =
        Sha(QString::fromStdString(path("q.bin"))) == Sha(QString::fromStdString(path("p.bin"))) &&
        QFileInfo(QString::fromStdString(path("q.bin"))).size() > 4096;
    std::printf(
        "merge of boot.elf (%lld bytes) and app.elf (%lld bytes), rounds: %d "
        "(alternating), outputs identical: %s\n",
        static_cast<long long>(QFileInfo(QString::fromStdString(strBoot)).size()),
        static_cast<long long>(QFileInfo(QString::fromStdString(strApp)).size()), ROUNDS,
        bSame ? "yes" : "NO");
    std::printf("| command | median ms | ratio to quorrix-cli |\n|---|---|---|\n");
    std::printf("| quorrix-cli merge -y boot.elf app.elf | %.2f | 1.00 |\n", m[0]);
    std::printf("| objcopy -O binary twice, then quorrix-cli merge -y | %.2f | %.2f |\n", m[1],
                m[1] / m[0]);
    std::printf("| bare Qt core program (floor) | %.2f | %.2f |\n", m[2], m[2] / m[0]);
    return bSame;
}

}  // namespace

int main() {
    QTemporaryDir dir;
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("state"))));
    const auto path = [&dir](const char* p) {
        return dir.filePath(QString::fromLatin1(p)).toStdString();
    };
    const bool bHex = BenchHexApp(path);
    const bool bElf = BenchElfMerge(path);
    return bHex && bElf ? 0 : 1;
}
