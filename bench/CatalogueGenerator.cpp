#include "bench/CatalogueGenerator.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

// Two hex digits while they last, four beyond 256 (the capacity catalogue).
QByteArray Code(int n) {
    return QByteArray::number(n, 16).toUpper().rightJustified(n < 256 ? 2 : 4, '0');
}

}  // namespace

QByteArray GenerateCatalogue(int nFamilies, int nDevices, bool bShuffled) {
    std::mt19937 random(20261208);
    std::vector<int> families(static_cast<size_t>(nFamilies));
    for (int i = 0; i < nFamilies; ++i) families[static_cast<size_t>(i)] = i;
    QByteArray text = "[FAMILY]\n";
    for (int f : families) text += Code(f) + "=模块系列 " + Code(f) + "\n";
    if (bShuffled) std::shuffle(families.begin(), families.end(), random);
    std::vector<int> devices(static_cast<size_t>(nDevices));
    for (int f : families) {
        text += "[" + Code(f) + "]\n";
        for (int d = 0; d < nDevices; ++d) devices[static_cast<size_t>(d)] = d;
        if (bShuffled) std::shuffle(devices.begin(), devices.end(), random);
        for (int d : devices)
            text += Code(d) + "=设备 " + Code(f) + "-" + Code(d) + " 通道<CR><LF>说明\n";
    }
    return text;
}
