#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bench/Spawn.h"

// Helpers of the whole-process benchmarks: test files, one timed run, medians.

inline void Write(const QString& strPath, const QByteArray& bytes) {
    QFile file(strPath);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

inline QByteArray Pattern(int nLength, int nSeed) {
    QByteArray bytes(nLength, '\0');
    for (int i = 0; i < nLength; ++i) bytes[i] = static_cast<char>((i * 31 + nSeed) & 0xFF);
    return bytes;
}

// A vector table (stack in SRAM, reset address past the block) and the info block at 0x100:
// App at 0x08001000, version 1.05, module 0x21, staging areas above a 128 KiB App. Images
// with them pass every layout check.
inline void PutVectorsAndBlock(QByteArray& image, std::uint16_t wType, std::uint32_t dwBase) {
    const auto put = [&image](int nAt, std::uint32_t dwValue, int nBytes) {
        for (int i = 0; i < nBytes; ++i)
            image[nAt + i] = static_cast<char>((dwValue >> (8 * i)) & 0xFF);
    };
    const std::uint32_t words[] = {0xAA55, 0, 32,         0,          0x0105,     0x21,
                                   0x2000, 0, 0x08001000, 0x08022000, 0x08023000, 0};
    const int sizes[] = {2, 2, 2, 2, 2, 2, 2, 2, 4, 4, 4, 4};
    for (int i = 0, nAt = 0x100; i < 12; nAt += sizes[i], ++i)
        put(nAt, i == 1 ? wType : words[i], sizes[i]);
    put(0, 0x20002000, 4);
    put(4, dwBase + 0x121, 4);
}

inline double Milliseconds(const std::vector<std::string>& argv,
                           const std::string& out = "/dev/null") {
    auto start = std::chrono::steady_clock::now();
    SpawnAndWait(argv, out);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Programs run one after the other, as a build script runs them: the time of all.
inline double PipelineMilliseconds(const std::vector<std::vector<std::string>>& steps) {
    auto start = std::chrono::steady_clock::now();
    for (const std::vector<std::string>& argv : steps) SpawnAndWait(argv);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline QByteArray Sha(const QString& strPath) {
    QFile file(strPath);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
}
