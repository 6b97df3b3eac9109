#include "firmware/formats/ImageReader.h"

#include "firmware/formats/ImageReaders.h"

QString ImageFormatName(ImageFormat format) {
    switch (format) {
        case ImageFormat::Hex:
            return QStringLiteral("hex");
        case ImageFormat::Srec:
            return QStringLiteral("srec");
        case ImageFormat::Elf:
            return QStringLiteral("elf");
        case ImageFormat::Bin:
            break;
    }
    return QStringLiteral("bin");
}

ImageFormat DetectImageFormat(const QByteArray& head) {
    if (head.startsWith("\x7f"
                        "ELF"))
        return ImageFormat::Elf;
    CRecordLines lines(head.constData(), static_cast<std::size_t>(head.size()));
    RecordLine line;
    if (!lines.Next(line)) return ImageFormat::Bin;
    if (IsHexRecordLine(line)) return ImageFormat::Hex;
    if (IsSRecordLine(line)) return ImageFormat::Srec;
    return ImageFormat::Bin;
}

namespace {

bool GatherChunks(ImageFormat format, const QByteArray& file, QByteArray& pool,
                  CImageChunks& chunks, QString& strError) {
    switch (format) {
        case ImageFormat::Hex:
            return ReadHexImage(file, pool, chunks, strError);
        case ImageFormat::Srec:
            return ReadSRecordImage(file, pool, chunks, strError);
        case ImageFormat::Elf:
            pool = file;
            return ReadElfImage(file, chunks, strError);
        case ImageFormat::Bin:
            break;
    }
    return false;
}

}  // namespace

bool ConvertImage(ImageFormat format, const QByteArray& file, std::uint8_t byFill, ImageData& image,
                  QString& strError) {
    if (format == ImageFormat::Bin) {
        image = ImageData{file, ImageFormat::Bin, false, 0,
                          static_cast<std::uint32_t>(std::max<qsizetype>(file.size() - 1, 0))};
        return true;
    }
    QByteArray pool;
    CImageChunks chunks;
    if (!GatherChunks(format, file, pool, chunks, strError)) return false;
    if (chunks.IsEmpty()) {
        strError = QStringLiteral("文件中没有数据");
        return false;
    }
    ImageData result;
    result.format = format;
    result.bHasAddress = true;
    if (!chunks.Place(reinterpret_cast<const std::uint8_t*>(pool.constData()), byFill, result.bytes,
                      result.dwStart, strError))
        return false;
    result.dwLast = result.dwStart + static_cast<std::uint32_t>(result.bytes.size() - 1);
    image = std::move(result);
    return true;
}
