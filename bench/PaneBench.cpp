// FlushOutput into a full pane against appendPlainText, the trimming flush against
// setPlainText of what stays, and the start of the window program against a bare dialog.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "app/PaneAdapters.h"
#include "bench/Spawn.h"
#include "log/RunLog.h"

namespace {

const QString LINE_100 = QString(98, QLatin1Char('x')) + QStringLiteral("\r\n");

QString Filler(int nChars) {
    QString strText;
    strText.reserve(nChars);
    while (strText.size() + LINE_100.size() <= nChars) strText += LINE_100;
    return strText;
}

struct PaneFixture {
    PaneFixture() {
        log.m_bPaneEnabled[0] = true;
        log.m_bShowTime = false;
        log.m_bEnsureCrLf = false;
        log.AttachOutputWnd(&edit);
        edit.resize(600, 300);
        edit.show();
    }
    CRunLog log;
    QPlainTextEdit edit;
};

void BM_FlushOneTextIntoFullPane(benchmark::State& state) {
    PaneFixture f;
    // 2000 rounds of 100 characters bring the pane to the trim limit, not past it.
    f.log.WriteLog(Filler(PANE_TRIM_LIMIT - 2000 * 100));
    f.log.FlushOutput();
    for (auto _ : state) {
        f.log.WriteLog(LINE_100);
        f.log.FlushOutput();
    }
}
BENCHMARK(BM_FlushOneTextIntoFullPane)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_AppendPlainTextFloor(benchmark::State& state) {
    QPlainTextEdit edit;
    edit.resize(600, 300);
    edit.show();
    edit.setPlainText(Filler(1900000));
    const QString strLine = LINE_100.chopped(2);
    for (auto _ : state) {
        edit.appendPlainText(strLine);
        edit.viewport()->repaint();
    }
}
BENCHMARK(BM_AppendPlainTextFloor)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_TrimmingFlush(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        PaneFixture f;
        f.log.WriteLog(Filler(2000000));
        f.log.FlushOutput();
        state.ResumeTiming();
        f.log.WriteLog(LINE_100);
        f.log.FlushOutput();
    }
}
BENCHMARK(BM_TrimmingFlush)->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_SetPlainTextOfWhatStaysFloor(benchmark::State& state) {
    const QString strStays = Filler(1000000) + LINE_100;
    for (auto _ : state) {
        state.PauseTiming();
        QPlainTextEdit edit;
        edit.resize(600, 300);
        edit.show();
        edit.setPlainText(Filler(2000000));
        state.ResumeTiming();
        edit.setPlainText(strStays);
        edit.viewport()->repaint();
    }
}
BENCHMARK(BM_SetPlainTextOfWhatStaysFloor)->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_StartWindowProgram(benchmark::State& state) {
    for (auto _ : state) SpawnAndWait({START_QUORRIX});
}
BENCHMARK(BM_StartWindowProgram)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartBareDialogFloor(benchmark::State& state) {
    for (auto _ : state) SpawnAndWait({START_BARE});
}
BENCHMARK(BM_StartBareDialogFloor)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    QApplication app(argc, argv);
    InstallPaneBinder();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
