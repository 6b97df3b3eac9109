#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// Build outputs read as images: raw binary, Intel HEX, Motorola S-records and ELF. Pure
// functions over bytes; opening the file and the run-log lines are the caller's.
// Text: a text file that is neither format, which is refused, never taken as a binary.
enum class ImageFormat { Bin, Hex, Srec, Elf, Text };
QString ImageFormatName(ImageFormat format);  // "bin", "hex", "srec", "elf", "text"

// One run of data: bytes at consecutive addresses, never empty.
struct ImageSegment {
    std::uint32_t dwAddress = 0;
    QByteArray bytes;
};

// Where a segment lies, without its bytes: what an image's source keeps of it.
struct ImageSpan {
    std::uint32_t dwAddress = 0;
    std::uint32_t dwSize = 0;
};

// A converted image: its segments sorted by address, with a gap between any two, the format
// it was read from, and the entry address where the file names one (ELF e_entry other than 0,
// HEX type 03 or 05, S7/S8/S9). A raw binary is one segment at 0 (none when empty) without an
// address of its own.
struct ImageData {
    std::vector<ImageSegment> segments;
    ImageFormat format = ImageFormat::Bin;
    bool bHasAddress = false;  // false for a raw binary
    std::optional<std::uint32_t> entry;

    std::uint32_t Start() const;  // lowest address that holds data; 0 without data
    std::uint32_t Last() const;   // highest address that holds data; 0 without data
    std::int64_t Span() const;    // bytes from Start to Last; 0 without data
    std::vector<ImageSpan> Spans() const;
};

// The image as one buffer from its lowest address to its highest, gaps filled with byFill:
// what the workspace's buffers, the checks and diff take.
QByteArray FlatImage(const ImageData& image, std::uint8_t byFill);

// How much of a file's start DetectImageFormat looks at.
inline constexpr qsizetype FORMAT_HEAD_SIZE = 4096;

// Known by content, never by file name: "\x7fELF" is Elf. A file whose first 4 KiB are text
// (printable ASCII, tab, CR, LF, after a UTF-8 byte-order mark) is Hex when its first non-blank
// character is ':', Srec when it is 'S' and a digit, else Text; any other file is Bin, and so
// is an empty one. head: the file's first bytes (all of them up to 4 KiB), or the whole file.
ImageFormat DetectImageFormat(const QByteArray& head);

// Converts a whole file of a format with addresses (Hex, Srec, Elf) into its segments. Bin
// gives the file as it is, without an address; Text is refused. False with the reason in
// strError (run-log style, Chinese); image is then left untouched.
bool ConvertImage(ImageFormat format, const QByteArray& file, ImageData& image, QString& strError);
