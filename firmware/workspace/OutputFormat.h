#pragma once

#include <QString>

// What merge writes: the image itself, or the image as text records for a flash programmer
// (firmware/formats/RecordWriters.h).
enum : int { FORMAT_BIN = 0, FORMAT_HEX = 1, FORMAT_SREC = 2 };

// "bin", "hex", "srec"; the default extension of the merged file.
QString FormatExtension(int nFormat);
