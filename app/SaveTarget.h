#pragma once

#include <QString>

// The "all files" filter of the save dialog: it names no format.
inline constexpr int FORMAT_ANY = -1;

// The format that the extension of strPath names (.bin; .hex, .ihex; .srec, .s19, .mot, in
// any case), or FORMAT_ANY.
int FormatOfExtension(const QString& strPath);

// Where a save goes and in which format. A typed extension that names a format decides it
// whatever the filter, so that fw.hex never holds raw bytes; without one, the filter's format
// decides and its extension is added; with all files the name stays as typed, in binary.
struct SaveTarget {
    QString strPath;
    int nFormat;
};
SaveTarget ResolveSaveTarget(const QString& strChosen, int nFilterFormat);
