#include "firmware/ImageFile.h"

#include <cstring>

#include "firmware/ImageReader.h"
#include "log/LogText.h"
#include "log/RunLog.h"

namespace {

// The run-log line of a file that was not read; empty when it was.
QString RefusalLine(const QString& strPath, const InputFile& input, std::int64_t nSizeLimit) {
    switch (input.result) {
        case StageResult::Staged:
            return QString();
        case StageResult::OpenFailed:
            return FileLogLine("打开", strPath, QStringLiteral("失败, ") + input.strReason);
        case StageResult::NotRegular:
            return FileLogLine("打开", strPath, QStringLiteral("失败, 不是普通文件"));
        case StageResult::Locked:
            return FileLogLine("打开", strPath, QStringLiteral("失败, 文件被其他程序占用"));
        case StageResult::TooLarge:
            return FileLogLine("打开", strPath,
                               QString::asprintf("失败, 文件大小 %lld Bytes 超过上限 %lld Bytes",
                                                 static_cast<long long>(input.nSize),
                                                 static_cast<long long>(nSizeLimit)));
        case StageResult::ConvertFailed:  // logged by the conversion
            return QString();
        case StageResult::BadName:
            return FileLogLine("打开", strPath, QStringLiteral("失败, 文件名无法表示"));
        case StageResult::Changed:
            return FileLogLine("打开", strPath, QStringLiteral("失败, 读取时文件被修改"));
        case StageResult::ReadFailed:
            return FileLogLine("读取", strPath,
                               QString::asprintf("失败, 读到 %lld Bytes, 应为 %lld Bytes",
                                                 static_cast<long long>(input.nRead),
                                                 static_cast<long long>(input.nSize)));
    }
    return QString();
}

// A build output (HEX, S-records, ELF) turned into its image; the open line is logged already.
// The image then stands for the file, with the role's limit. False, logged, when refused.
bool ConvertStaged(const QString& strPath, InputFile& input, ImageFormat format,
                   std::int64_t nSizeLimit, std::uint8_t byFill, ImageSource& source) {
    ImageData image;
    QString strError;
    if (!ConvertWholeInput(input, format, byFill, image, strError)) {
    } else if (image.bytes.size() > nSizeLimit) {
        strError = QString::asprintf("映像大小 %lld Bytes 超过上限 %lld Bytes",
                                     static_cast<long long>(image.bytes.size()),
                                     static_cast<long long>(nSizeLimit));
    }
    if (!strError.isEmpty()) {
        WriteLog(FileLogLine("转换", strPath, QStringLiteral("失败, ") + strError));
        return false;
    }
    WriteLog(FileLogLine(
        "转换", strPath,
        QStringLiteral("成功, %1 ").arg(ImageFormatName(format).toUpper()) +
            QString::asprintf("0x%08X - 0x%08X, %lld Bytes", image.dwStart, image.dwLast,
                              static_cast<long long>(image.bytes.size()))));
    input.bytes = image.bytes;
    input.nSize = image.bytes.size();
    source.bHasAddress = true;
    source.dwStart = image.dwStart;
    source.strFormat = ImageFormatName(format);
    return true;
}

}  // namespace

bool ConvertWholeInput(const InputFile& input, ImageFormat format, std::uint8_t byFill,
                       ImageData& image, QString& strError) {
    if (input.bytes.size() < input.nSize) {
        strError = QString::asprintf("文件大小 %lld Bytes 超过上限 %lld Bytes",
                                     static_cast<long long>(input.nSize),
                                     static_cast<long long>(CONVERTED_FILE_LIMIT));
        return false;
    }
    return ConvertImage(format, input.bytes, byFill, image, strError);
}

InputFile ReadImageInput(const QString& strPath, std::int64_t nSizeLimit,
                         std::int64_t nReadAtMost, std::uint8_t byFill) {
    InputFile input = ReadInputFile(strPath, qMax(nSizeLimit, CONVERTED_FILE_LIMIT),
                                    qMax(nReadAtMost, CONVERTED_FILE_LIMIT));
    const ImageFormat format =
        input.Ok() ? DetectImageFormat(input.bytes.left(0x1000)) : ImageFormat::Bin;
    ImageData image;
    if (format != ImageFormat::Bin) {
        if (ConvertWholeInput(input, format, byFill, image, input.strReason)) {
            input.bytes = image.bytes;
            input.nSize = image.bytes.size();
        } else {
            input.result = StageResult::ConvertFailed;
        }
    }
    if (input.Ok() && input.nSize > nSizeLimit) input.result = StageResult::TooLarge;
    if (input.Ok()) input.bytes.truncate(static_cast<qsizetype>(qMin(nReadAtMost, input.nSize)));
    if (!input.Ok()) input.bytes.clear();
    return input;
}

QString FileLogLine(const char* pVerb, const QString& strPath, const QString& strOutcome) {
    return QString::fromUtf8(pVerb) + QLatin1String(" File ") + PathForLog(strPath) +
           QLatin1String(" = ") + strOutcome;
}

StagedImage StageImageFile(const QString& strPath, std::int64_t nReadLimit, std::int64_t nSizeLimit,
                           std::uint8_t byFill) {
    // Build outputs are read whole to be converted; a raw binary only as far as it is used.
    InputFile input = ReadInputFile(
        strPath, nSizeLimit > CONVERTED_FILE_LIMIT ? nSizeLimit : CONVERTED_FILE_LIMIT,
        qMax<std::int64_t>(qMin<std::int64_t>(nReadLimit, APP_BUF_SIZE), CONVERTED_FILE_LIMIT));
    StagedImage staged;
    staged.result = input.result;
    staged.source.strPath = strPath;
    const ImageFormat format =
        input.Ok() ? DetectImageFormat(input.bytes.left(0x1000)) : ImageFormat::Bin;
    if (input.Ok() && format == ImageFormat::Bin && input.nSize > nSizeLimit) {
        input.result = staged.result = StageResult::TooLarge;
    }
    // A read that failed part way follows an open that succeeded: both lines are logged.
    if (input.Ok() || input.result == StageResult::ReadFailed) {
        WriteLog(FileLogLine("打开", strPath, QStringLiteral("成功")));
    }
    if (!input.Ok()) {
        WriteLog(RefusalLine(strPath, input, nSizeLimit));
        return staged;
    }
    if (format != ImageFormat::Bin &&
        !ConvertStaged(strPath, input, format, nSizeLimit, byFill, staged.source)) {
        staged.result = StageResult::ConvertFailed;
        return staged;
    }
    std::memset(g_Workspace.StageBuf, 0, sizeof g_Workspace.StageBuf);
    std::memcpy(g_Workspace.StageBuf, input.bytes.constData(),
                size_t(qMin<std::int64_t>(input.bytes.size(),
                                          qMin<std::int64_t>(nReadLimit, APP_BUF_SIZE))));
    staged.nLength = static_cast<std::int32_t>(input.nSize);
    staged.source.nFileSize = input.nSize;
    staged.source.sha256 = input.sha256;
    return staged;
}
