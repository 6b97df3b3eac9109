// MHash::Load against inih into a hash map and QSettings with IniFormat, on the same
// generated catalogues.
#include <benchmark/benchmark.h>
#include <ini.h>
#include <malloc.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <string>
#include <unordered_map>

#include "bench/CatalogueGenerator.h"
#include "config/MHash.h"

namespace {

struct Shape {
    const char* pName;
    int nFamilies;
    int nDevices;
};
const Shape SHAPES[] = {{"typical", 20, 50}, {"fullcode", 256, 256}, {"capacity", 300, 3000}};

const QByteArray& Catalogue(int nShape, bool bShuffled) {
    static QByteArray cache[3][2];
    QByteArray& text = cache[nShape][bShuffled ? 1 : 0];
    if (text.isEmpty()) {
        const Shape& s = SHAPES[nShape];
        text = GenerateCatalogue(s.nFamilies, s.nDevices, bShuffled);
    }
    return text;
}

QString CatalogueFile(int nShape, bool bShuffled) {
    static QTemporaryDir dir;
    QString strPath = dir.filePath(QStringLiteral("%1-%2.ini").arg(nShape).arg(bShuffled));
    if (!QFile::exists(strPath)) {
        QFile file(strPath);
        file.open(QIODevice::WriteOnly);
        file.write(Catalogue(nShape, bShuffled));
    }
    return strPath;
}

void Report(benchmark::State& state, qint64 nBytes, size_t nHeapBefore) {
    state.SetBytesProcessed(state.iterations() * nBytes);
    state.counters["heapMB"] = static_cast<double>(mallinfo2().uordblks - nHeapBefore) / 1e6;
}

void BM_MHashLoad(benchmark::State& state) {
    const int nShape = static_cast<int>(state.range(0));
    const bool bShuffled = state.range(1) != 0;
    const QString strPath = CatalogueFile(nShape, bShuffled);
    static MHash* pStore = new MHash;  // the store's fixed tables are not freed between runs
    pStore->Clear();
    const size_t nHeap = mallinfo2().uordblks;
    for (auto _ : state) benchmark::DoNotOptimize(pStore->Load(strPath));
    Report(state, Catalogue(nShape, bShuffled).size(), nHeap);
}

using InihMap = std::unordered_map<std::string, std::unordered_map<std::string, std::string>>;

int InihHandler(void* pUser, const char* pSection, const char* pName, const char* pValue) {
    (*static_cast<InihMap*>(pUser))[pSection][pName] = pValue;
    return 1;
}

void BM_InihHashMap(benchmark::State& state) {
    const int nShape = static_cast<int>(state.range(0));
    const bool bShuffled = state.range(1) != 0;
    const QByteArray path = QFile::encodeName(CatalogueFile(nShape, bShuffled));
    const size_t nHeap = mallinfo2().uordblks;
    InihMap map;
    for (auto _ : state) {
        map.clear();
        benchmark::DoNotOptimize(ini_parse(path.constData(), &InihHandler, &map));
    }
    Report(state, Catalogue(nShape, bShuffled).size(), nHeap);
}

void BM_QSettingsIni(benchmark::State& state) {
    const int nShape = static_cast<int>(state.range(0));
    const bool bShuffled = state.range(1) != 0;
    const QString strPath = CatalogueFile(nShape, bShuffled);
    const size_t nHeap = mallinfo2().uordblks;
    for (auto _ : state) {
        QSettings settings(strPath, QSettings::IniFormat);
        benchmark::DoNotOptimize(settings.allKeys().size());
    }
    Report(state, Catalogue(nShape, bShuffled).size(), nHeap);
}

void Shapes(benchmark::internal::Benchmark* pBench) {
    for (int nShape = 0; nShape < 3; ++nShape) {
        for (int bShuffled = 0; bShuffled < 2; ++bShuffled) pBench->Args({nShape, bShuffled});
    }
    pBench->ArgNames({"shape", "shuffled"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_MHashLoad)->Apply(Shapes);

// Texts that a loader with a cost above linear would choke on.
void BM_MHashLoadPathological(benchmark::State& state) {
    QByteArray text;
    if (state.range(0) == 0) {
        text = "[S]\nk=" + QByteArray(1000000, ' ') + "v\n";  // a line of a million blanks
    } else {
        for (int i = 0; i < 1000000; ++i) text += "; a comment line\n";
    }
    MHash store;
    for (auto _ : state) benchmark::DoNotOptimize(store.LoadFromBytes(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_MHashLoadPathological)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("comments")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InihHashMap)->Apply(Shapes);
BENCHMARK(BM_QSettingsIni)->Apply(Shapes);

}  // namespace

BENCHMARK_MAIN();
