#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
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
