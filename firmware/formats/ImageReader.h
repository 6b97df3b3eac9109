#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Build outputs read as images: raw binary, Intel HEX, Motorola S-records and ELF. Pure
// functions over bytes; opening the file and the run-log lines are the caller's.
enum class ImageFormat { Bin, Hex, Srec, Elf };
QString ImageFormatName(ImageFormat format);  // "bin", "hex", "srec", "elf"

struct ImageData {
    QByteArray bytes;  // the image from its lowest data address, gaps filled
    ImageFormat format = ImageFormat::Bin;
    bool bHasAddress = false;   // false for a raw binary
    std::uint32_t dwStart = 0;  // lowest address that holds data
    std::uint32_t dwLast = 0;   // highest address that holds data
};

// Known by content, never by file name: "\x7fELF"; a first line that is a complete, valid
// Intel HEX record; a first line that is a valid S-record; anything else is Bin.
// head: the file's first bytes (at least 1 KiB when the file has them).
ImageFormat DetectImageFormat(const QByteArray& head);

// Converts a whole file of a format with addresses (Hex, Srec, Elf) into image bytes; gaps
// between data are filled with byFill. Bin gives the file as it is, without an address.
// False with the reason in strError (run-log style, Chinese); image is then left untouched.
bool ConvertImage(ImageFormat format, const QByteArray& file, std::uint8_t byFill, ImageData& image,
                  QString& strError);
