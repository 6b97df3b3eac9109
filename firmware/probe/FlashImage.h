#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "firmware/workspace/CoreResult.h"

// Reads the file a flash writes: a merged image, or a build output of one (HEX, S-records,
// ELF) that starts at 0x08000000, its gaps filled with byFill. The "打开 File" line either
// way, and the reason of a refusal.
CoreResult ReadFlashImage(const QString& strPath, std::uint8_t byFill, QByteArray& image);
