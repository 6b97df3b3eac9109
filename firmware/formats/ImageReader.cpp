#include "firmware/formats/ImageReader.h"

#include <algorithm>
#include <cstring>

#include "firmware/formats/ImageReaders.h"

QString ImageFormatName(ImageFormat format) {
    switch (format) {
        case ImageFormat::Hex:
            return QStringLiteral("hex");
        case ImageFormat::Srec:
            return QStringLiteral("srec");
        case ImageFormat::Elf:
            return QStringLiteral("elf");
        case ImageFormat::Text:
            return QStringLiteral("text");
        case ImageFormat::Bin:
            break;
    }
    return QStringLiteral("bin");
}

std::uint32_t ImageData::Start() const { return segments.empty() ? 0 : segments.front().dwAddress; }

std::uint32_t ImageData::Last() const {
    if (segments.empty()) return 0;
    const ImageSegment& last = segments.back();
    return last.dwAddress + static_cast<std::uint32_t>(last.bytes.size() - 1);
}

std::int64_t ImageData::Span() const {
    return segments.empty() ? 0 : static_cast<std::int64_t>(Last()) - Start() + 1;
}

std::vector<ImageSpan> ImageData::Spans() const {
    std::vector<ImageSpan> spans;
    for (const ImageSegment& segment : segments)
        spans.push_back({segment.dwAddress, static_cast<std::uint32_t>(segment.bytes.size())});
    return spans;
}

QByteArray FlatImage(const ImageData& image, std::uint8_t byFill) {
    if (image.segments.size() == 1) return image.segments.front().bytes;
    QByteArray flat(static_cast<qsizetype>(image.Span()), static_cast<char>(byFill));
    for (const ImageSegment& segment : image.segments) {
        std::memcpy(flat.data() + (segment.dwAddress - image.Start()), segment.bytes.constData(),
                    static_cast<std::size_t>(segment.bytes.size()));
    }
    return flat;
}

namespace {

bool IsTextByte(unsigned char by) {
    return (by >= 0x20 && by < 0x7F) || by == '\t' || by == '\r' || by == '\n';
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

// A raw image never passes as text: its vector table holds zero bytes.
ImageFormat DetectImageFormat(const QByteArray& head) {
    if (head.startsWith("\x7f"
                        "ELF"))
        return ImageFormat::Elf;
    if (head.isEmpty()) return ImageFormat::Bin;
    const char* p = head.constData();
    const char* pEnd = p + std::min(head.size(), FORMAT_HEAD_SIZE);
    if (pEnd - p >= 3 && std::memcmp(p, UTF8_BOM, 3) == 0) p += 3;
    for (const char* q = p; q < pEnd; ++q) {
        if (!IsTextByte(static_cast<unsigned char>(*q))) return ImageFormat::Bin;
    }
    while (p < pEnd && IsBlank(*p)) ++p;
    if (p < pEnd && *p == ':') return ImageFormat::Hex;
    if (pEnd - p >= 2 && p[0] == 'S' && p[1] >= '0' && p[1] <= '9') return ImageFormat::Srec;
    return ImageFormat::Text;
}

namespace {

bool GatherChunks(ImageFormat format, const QByteArray& file, QByteArray& pool,
                  CImageChunks& chunks, std::optional<std::uint32_t>& entry, QString& strError) {
    switch (format) {
        case ImageFormat::Hex:
            return ReadHexImage(file, pool, chunks, entry, strError);
        case ImageFormat::Srec:
            return ReadSRecordImage(file, pool, chunks, entry, strError);
        case ImageFormat::Elf:
            pool = file;
            return ReadElfImage(file, chunks, entry, strError);
        case ImageFormat::Text:
            strError = QStringLiteral("不是固件映像, 是文本文件");
            return false;
        case ImageFormat::Bin:
            break;
    }
    return false;
}

ImageData RawImage(const QByteArray& file) {
    ImageData image;
    if (!file.isEmpty()) image.segments.push_back({0, file});
    return image;
}

}  // namespace

bool ConvertImage(ImageFormat format, const QByteArray& file, ImageData& image, QString& strError) {
    if (format == ImageFormat::Bin) {
        image = RawImage(file);
        return true;
    }
    QByteArray pool;
    CImageChunks chunks;
    ImageData result;
    if (!GatherChunks(format, file, pool, chunks, result.entry, strError)) return false;
    if (chunks.IsEmpty()) {
        strError = QStringLiteral("文件中没有数据");
        return false;
    }
    if (!chunks.Place(reinterpret_cast<const std::uint8_t*>(pool.constData()), result.segments,
                      strError))
        return false;
    result.format = format;
    result.bHasAddress = true;
    image = std::move(result);
    return true;
}
