// The reader alone on the HEX and S-record text of a 1 MiB image: bytes of text a second.
// The goal is at least 200 MB/s of HEX text.
#include <benchmark/benchmark.h>

#include <QList>
#include <algorithm>

#include "firmware/formats/ImageReader.h"
#include "firmware/formats/RecordWriters.h"

namespace {

constexpr int IMAGE_SIZE = 1 << 20;
constexpr std::uint32_t IMAGE_BASE = 0x08000000;

QByteArray Image() {
    QByteArray image(IMAGE_SIZE, Qt::Uninitialized);
    std::uint32_t dwState = 12345;
    for (char& c : image) {
        dwState = dwState * 1103515245u + 12345u;
        c = static_cast<char>(dwState >> 16);
    }
    return image;
}

const unsigned char* Bytes(const QByteArray& image) {
    return reinterpret_cast<const unsigned char*>(image.constData());
}

// The data records in reverse order, each after the address record it needs.
QByteArray Reversed(const QByteArray& hex) {
    QList<QByteArray> records;
    QByteArray base, tail;
    for (const QByteArray& line : hex.split('\n')) {
        if (line.startsWith(":02000004"))
            base = line;
        else if (line.startsWith(":") && line.mid(7, 2) == "00")
            records.append(base + '\n' + line);
        else if (!line.isEmpty())
            tail += line + '\n';
    }
    std::reverse(records.begin(), records.end());
    return records.join('\n') + '\n' + tail;
}

void Read(benchmark::State& state, ImageFormat format, const QByteArray& text) {
    for (auto _ : state) {
        ImageData image;
        QString strError;
        if (!ConvertImage(format, text, image, strError))
            state.SkipWithError("the text did not read back as the image");
        const QByteArray flat = FlatImage(image, 0xFF);
        if (flat.size() != IMAGE_SIZE) state.SkipWithError("the image is not the one written");
        benchmark::DoNotOptimize(flat.constData());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
    state.counters["textMB"] = text.size() / 1e6;
}

const QByteArray g_image = Image();

void BM_Hex16(benchmark::State& state) {
    Read(state, ImageFormat::Hex,
         IntelHexOf(Bytes(g_image), IMAGE_SIZE, IMAGE_BASE, 16, IMAGE_BASE));
}
void BM_Hex32(benchmark::State& state) {
    Read(state, ImageFormat::Hex,
         IntelHexOf(Bytes(g_image), IMAGE_SIZE, IMAGE_BASE, 32, IMAGE_BASE));
}
void BM_Hex16Reversed(benchmark::State& state) {
    Read(state, ImageFormat::Hex,
         Reversed(IntelHexOf(Bytes(g_image), IMAGE_SIZE, IMAGE_BASE, 16, IMAGE_BASE)));
}
void BM_Srec16(benchmark::State& state) {
    Read(state, ImageFormat::Srec,
         SRecordOf(Bytes(g_image), IMAGE_SIZE, IMAGE_BASE, 16, IMAGE_BASE));
}

}  // namespace

BENCHMARK(BM_Hex16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hex32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hex16Reversed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Srec16)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
