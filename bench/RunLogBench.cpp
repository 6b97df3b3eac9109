// WriteLog with the log file on, against the floor: the same records appended to an open
// file with one plain write each.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "log/RunLog.h"

namespace {

const QString TEXT_40 =
    QStringLiteral("打开 File /data/fw/boot_0001.bin = 成功 ok");  // 40 characters

void BM_WriteLog(benchmark::State& state) {
    QTemporaryDir dir;
    CRunLog log;
    log.m_bFileEnabled[0] = true;
    log.SetLogPath(dir.path(), QStringLiteral("RunLog"));
    for (auto _ : state) log.WriteLog(TEXT_40);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WriteLog);

// The same without the file: what stamping and queueing cost by themselves.
void BM_WriteLogPaneOnly(benchmark::State& state) {
    CRunLog log;
    log.m_bPaneEnabled[0] = true;
    int nRound = 0;
    for (auto _ : state) {
        log.WriteLog(TEXT_40);
        if (++nRound % 2000 == 0) log.TakePendingText();  // about 100,000 characters
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WriteLogPaneOnly);

void BM_PlainAppendFloor(benchmark::State& state) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("floor.log")));
    file.open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    const QByteArray record =
        QByteArray("2024-05-01 09:05:03 : [ 9:05:03.007] ") + TEXT_40.toUtf8() + "\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(file.write(record));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlainAppendFloor);

// The same floor on a file opened for appending, as every copy of the tool opens its log.
void BM_PlainAppendModeFloor(benchmark::State& state) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("floor.log")));
    file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
    const QByteArray record =
        QByteArray("2024-05-01 09:05:03 : [ 9:05:03.007] ") + TEXT_40.toUtf8() + "\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(file.write(record));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlainAppendModeFloor);

}  // namespace

BENCHMARK_MAIN();
