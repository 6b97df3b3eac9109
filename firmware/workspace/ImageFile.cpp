#include "firmware/workspace/ImageFile.h"

#include <cstring>

#include "firmware/formats/ImageReader.h"
#include "firmware/formats/RecordLines.h"
#include "log/LogText.h"
#include "log/RunLog.h"

namespace {

// Why a file that was not converted was not read, in the run log's words.
QString RefusalWords(const InputFile& input, std::int64_t nSizeLimit) {
    switch (input.reason) {
        case CoreReason::OpenFailed:
            return input.strReason;
        case CoreReason::NotRegular:
            return QStringLiteral("不是普通文件");
        case CoreReason::Locked:
            return QStringLiteral("文件被其他程序占用");
        case CoreReason::TooLarge:
            return QString::asprintf("文件大小 %lld Bytes 超过上限 %lld Bytes",
                                     static_cast<long long>(input.nSize),
                                     static_cast<long long>(nSizeLimit));
        case CoreReason::BadName:
            return QStringLiteral("文件名无法表示");
        case CoreReason::Changed:
            return QStringLiteral("读取时文件被修改");
        case CoreReason::ReadFailed:
            return QString::asprintf("读到 %lld Bytes, 应为 %lld Bytes",
                                     static_cast<long long>(input.nRead),
                                     static_cast<long long>(input.nSize));
        default:  // a build output has a line of its own; no other reason comes from a read
            break;
    }
    return QString();
}

// The run-log line of a file that was not read.
QString RefusalLine(const QString& strPath, const InputFile& input, const QString& strWords) {
    const char* pVerb = input.reason == CoreReason::ReadFailed ? "读取" : "打开";
    return FileLogLine(pVerb, strPath, QStringLiteral("失败, ") + strWords);
}

// Why a build output was refused, in the run log's words.
QString ConversionWords(const ImageInput& input, std::int64_t nSizeLimit) {
    if (input.reason != CoreReason::TooLarge) return input.strReason;
    return QString::asprintf("映像大小 %lld Bytes 超过上限 %lld Bytes",
                             static_cast<long long>(input.nSize),
                             static_cast<long long>(nSizeLimit));
}

// The data of a build output in more than one place is named so, since the gaps between
// them are the fill byte's, not the file's.
QString SegmentCountText(std::size_t nSegments) {
    return nSegments > 1 ? QStringLiteral(", %1 段").arg(nSegments) : QString();
}

// The run-log line of a build output: what it turned into, or why it was refused.
QString ConversionLine(const QString& strPath, const ImageInput& input, const QString& strWords) {
    if (!input.Ok()) return FileLogLine("转换", strPath, QStringLiteral("失败, ") + strWords);
    return FileLogLine("转换", strPath,
                       QStringLiteral("成功, %1 ").arg(ImageFormatName(input.format).toUpper()) +
                           QString::asprintf("0x%08X - 0x%08X, %lld Bytes", input.dwStart,
                                             input.dwLast, static_cast<long long>(input.nSize)) +
                           SegmentCountText(input.segments.size()));
}

// A build output read whole turned into its image.
void Convert(ImageInput& input, std::uint8_t byFill) {
    ImageData image;
    if (input.bytes.size() < input.nSize) {
        input.reason = CoreReason::ConvertFailed;
        input.strReason = QString::asprintf("文件大小 %lld Bytes 超过上限 %lld Bytes",
                                            static_cast<long long>(input.nSize),
                                            static_cast<long long>(CONVERTED_FILE_LIMIT));
    } else if (!ConvertImage(input.format, input.bytes, image, input.strReason)) {
        input.reason = CoreReason::ConvertFailed;
    } else {
        input.bytes = FlatImage(image, byFill);
        input.nSize = input.bytes.size();
        input.dwStart = image.Start();
        input.dwLast = image.Last();
        input.segments = image.Spans();
        input.entry = image.entry;
    }
}

}  // namespace

ImageInput ReadImageInput(const QString& strPath, std::int64_t nSizeLimit, std::int64_t nReadAtMost,
                          std::uint8_t byFill, std::int64_t nScanLimit) {
    // Build outputs are read whole to be converted; a raw binary only as far as it is used,
    // and past that only scanned, up to nScanLimit.
    const InputExtent extent{
        [nReadAtMost](const QByteArray& head) {
            return DetectImageFormat(head) == ImageFormat::Bin ? nReadAtMost : CONVERTED_FILE_LIMIT;
        },
        nScanLimit};
    ImageInput input;
    static_cast<InputFile&>(input) =
        ReadInputFile(strPath, qMax(nSizeLimit, CONVERTED_FILE_LIMIT), extent);
    if (input.Ok()) input.format = DetectImageFormat(input.bytes.left(INPUT_HEAD_LENGTH));
    if (input.format != ImageFormat::Bin) Convert(input, byFill);
    if (input.Ok() && input.nSize > nSizeLimit) input.reason = CoreReason::TooLarge;
    if (input.Ok() && input.format != ImageFormat::Bin) {
        // The converted image is all at hand: what lies past the kept part is scanned here.
        input.tail = TailScan();
        const std::int64_t nKept = qMin(nReadAtMost, input.nSize);
        ScanTail(input.bytes.constData() + nKept, input.nSize - nKept, nKept, input.tail);
        input.tail.bScanned = true;
    }
    if (input.Ok()) input.bytes.truncate(static_cast<qsizetype>(qMin(nReadAtMost, input.nSize)));
    if (!input.Ok()) input.bytes.clear();
    return input;
}

CoreResult InputOutcome(const ImageInput& input, std::int64_t nSizeLimit) {
    if (input.Ok()) return CoreResult();
    const bool bConverted = input.format != ImageFormat::Bin;
    const QString strWords =
        bConverted ? ConversionWords(input, nSizeLimit) : RefusalWords(input, nSizeLimit);
    const bool bLine = input.reason == CoreReason::ConvertFailed;
    CoreResult outcome =
        CoreResult::Failed(input.reason, strWords, bLine ? LineOfError(strWords) : 0);
    if (input.reason == CoreReason::OpenFailed || bLine) outcome.strDetail = input.strReason;
    if (input.reason == CoreReason::TooLarge) {
        outcome.nCount = input.nSize;
        outcome.nLimit = nSizeLimit;
    } else if (input.reason == CoreReason::ReadFailed) {
        outcome.nCount = input.nRead;
        outcome.nLimit = input.nSize;
    }
    return outcome;
}

QString FileLogLine(const char* pVerb, const QString& strPath, const QString& strOutcome) {
    return QString::fromUtf8(pVerb) + QLatin1String(" File ") + PathForLog(strPath) +
           QLatin1String(" = ") + strOutcome;
}

StagedImage StageImageFile(FirmwareWorkspace& ws, const QString& strPath, std::int64_t nReadLimit,
                           std::int64_t nSizeLimit, std::uint8_t byFill, std::int64_t nScanLimit) {
    const std::int64_t nStaged = qMin<std::int64_t>(nReadLimit, APP_BUF_SIZE);
    const ImageInput input = ReadImageInput(strPath, nSizeLimit, nStaged, byFill, nScanLimit);
    StagedImage staged;
    staged.source.strPath = strPath;
    const bool bConverted = input.format != ImageFormat::Bin;
    // A read that failed part way, and a build output, follow an open that succeeded: both
    // lines are logged.
    if (input.Ok() || input.reason == CoreReason::ReadFailed || bConverted) {
        WriteLog(FileLogLine("打开", strPath, QStringLiteral("成功")));
    }
    staged.outcome = InputOutcome(input, nSizeLimit);
    if (bConverted) {
        WriteLog(ConversionLine(strPath, input, staged.outcome.strWords));
    } else if (!input.Ok()) {
        WriteLog(RefusalLine(strPath, input, staged.outcome.strWords));
    }
    if (!input.Ok()) return staged;
    std::memset(ws.StageBuf, 0, sizeof ws.StageBuf);
    std::memcpy(ws.StageBuf, input.bytes.constData(), size_t(input.bytes.size()));
    staged.nLength = static_cast<std::int32_t>(input.nSize);
    staged.source = SourceOf(strPath, input);
    return staged;
}

ImageSource SourceOf(const QString& strPath, const ImageInput& input) {
    ImageSource source;
    source.strPath = strPath;
    source.nFileSize = input.nSize;
    source.sha256 = input.sha256;
    source.tail = input.tail;
    if (input.format != ImageFormat::Bin) {
        source.bHasAddress = true;
        source.dwStart = input.dwStart;
        source.strFormat = ImageFormatName(input.format);
        source.segments = input.segments;
        source.entry = input.entry;
    }
    return source;
}
