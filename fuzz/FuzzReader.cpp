// The input as a build output of every format with addresses: whatever it holds, the reader
// either refuses it or gives segments that are sorted, apart and within 16 MiB, and a flat
// image of exactly their span.
#include <cstddef>
#include <cstdint>

#include "firmware/formats/ImageReader.h"

namespace {

bool SegmentsHold(const ImageData& image) {
    std::int64_t nEnd = -1;
    for (const ImageSegment& segment : image.segments) {
        if (segment.bytes.isEmpty() || static_cast<std::int64_t>(segment.dwAddress) <= nEnd)
            return false;
        nEnd = static_cast<std::int64_t>(segment.dwAddress) + segment.bytes.size();
    }
    return !image.segments.empty() && image.Span() <= (16 << 20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    // Not copied, so that a read past the input's end is caught.
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char*>(pData),
                                                    static_cast<qsizetype>(nSize));
    DetectImageFormat(file);
    for (ImageFormat format : {ImageFormat::Hex, ImageFormat::Srec, ImageFormat::Elf}) {
        ImageData image;
        QString strError;
        if (!ConvertImage(format, file, image, strError)) continue;
        if (!SegmentsHold(image) ||
            FlatImage(image, nSize > 0 ? pData[0] : 0).size() != image.Span())
            __builtin_trap();
    }
    return 0;
}
