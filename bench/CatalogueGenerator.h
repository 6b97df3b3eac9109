#pragma once

#include <QByteArray>

// A generated catalogue: nFamilies sections of nDevices keys each, plus FAMILY, with keys in
// sorted or shuffled order (a fixed seed, so every run sees the same file).
QByteArray GenerateCatalogue(int nFamilies, int nDevices, bool bShuffled);
