#include "firmware/ImageFile.h"

#include <cstring>

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

}  // namespace

QString FileLogLine(const char* pVerb, const QString& strPath, const QString& strOutcome) {
    return QString::fromUtf8(pVerb) + QLatin1String(" File ") + PathForLog(strPath) +
           QLatin1String(" = ") + strOutcome;
}

StagedImage StageImageFile(const QString& strPath, std::int64_t nReadLimit,
                           std::int64_t nSizeLimit) {
    const InputFile input =
        ReadInputFile(strPath, nSizeLimit, qMin<std::int64_t>(nReadLimit, APP_BUF_SIZE));
    StagedImage staged;
    staged.result = input.result;
    staged.source.strPath = strPath;
    // A read that failed part way follows an open that succeeded: both lines are logged.
    if (input.Ok() || input.result == StageResult::ReadFailed) {
        WriteLog(FileLogLine("打开", strPath, QStringLiteral("成功")));
    }
    if (!input.Ok()) {
        WriteLog(RefusalLine(strPath, input, nSizeLimit));
        return staged;
    }
    std::memset(g_Workspace.StageBuf, 0, sizeof g_Workspace.StageBuf);
    std::memcpy(g_Workspace.StageBuf, input.bytes.constData(), size_t(input.bytes.size()));
    staged.nLength = static_cast<std::int32_t>(input.nSize);
    staged.source.nFileSize = input.nSize;
    staged.source.sha256 = input.sha256;
    return staged;
}
