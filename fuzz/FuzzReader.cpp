// The input as a build output of every format with addresses: whatever it holds, the reader
// either refuses it or gives an image whose size, span and addresses agree.
#include <cstddef>
#include <cstdint>

#include "firmware/formats/ImageReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    // Not copied, so that a read past the input's end is caught.
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char*>(pData),
                                                    static_cast<qsizetype>(nSize));
    DetectImageFormat(file.left(1024));
    for (ImageFormat format : {ImageFormat::Hex, ImageFormat::Srec, ImageFormat::Elf}) {
        ImageData image;
        QString strError;
        if (!ConvertImage(format, file, nSize > 0 ? pData[0] : 0, image, strError)) continue;
        const auto nSpan = static_cast<std::int64_t>(image.dwLast) - image.dwStart + 1;
        if (image.bytes.isEmpty() || image.bytes.size() != nSpan || nSpan > (16 << 20))
            __builtin_trap();
    }
    return 0;
}
