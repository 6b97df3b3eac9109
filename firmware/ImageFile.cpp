#include "firmware/ImageFile.h"

#include <QFile>
#include <cstring>

#include "firmware/Workspace.h"
#include "log/LogText.h"
#include "log/RunLog.h"
#include "platform/FileOpen.h"

namespace {

StageResult g_lastStageResult = StageResult::Staged;

bool ReadFully(QFile& file, unsigned char* pBuffer, std::int64_t nWanted, std::int64_t& nGot) {
    nGot = 0;
    while (nGot < nWanted) {
        qint64 n = file.read(reinterpret_cast<char*>(pBuffer) + nGot, nWanted - nGot);
        if (n <= 0) return false;
        nGot += n;
    }
    return true;
}

// Logs why the open failed; false when it did.
bool ReportOpen(const QString& strPath, FileOpenResult result) {
    switch (result) {
        case FileOpenResult::Opened:
            return true;
        case FileOpenResult::Failed:
            g_lastStageResult = StageResult::OpenFailed;
            WriteLog(FileLogLine("打开", strPath, QStringLiteral("失败")));
            return false;
        case FileOpenResult::NotRegular:
            g_lastStageResult = StageResult::NotRegular;
            WriteLog(FileLogLine("打开", strPath, QStringLiteral("失败, 不是普通文件")));
            return false;
        case FileOpenResult::Locked:
            g_lastStageResult = StageResult::Locked;
            WriteLog(FileLogLine("打开", strPath, QStringLiteral("失败, 文件被其他程序占用")));
            return false;
    }
    return false;
}

}  // namespace

QString FileLogLine(const char* pVerb, const QString& strPath, const QString& strOutcome) {
    return QString::fromUtf8(pVerb) + QLatin1String(" File ") + PathForLog(strPath) +
           QLatin1String(" = ") + strOutcome;
}

StageResult LastStageResult() { return g_lastStageResult; }

bool StageImageFile(const QString& strPath, std::int64_t nReadLimit, std::int64_t nSizeLimit,
                    std::int32_t& nLength) {
    QFile file;
    if (!ReportOpen(strPath, OpenRegularFile(strPath, file))) return false;
    const std::int64_t nSize = file.size();
    if (nSize > nSizeLimit) {
        g_lastStageResult = StageResult::TooLarge;
        WriteLog(FileLogLine(
            "打开", strPath,
            QString::asprintf("失败, 文件大小 %lld Bytes 超过上限 %lld Bytes",
                              static_cast<long long>(nSize), static_cast<long long>(nSizeLimit))));
        return false;
    }
    WriteLog(FileLogLine("打开", strPath, QStringLiteral("成功")));
    std::memset(g_StageBuf, 0, sizeof g_StageBuf);
    const std::int64_t nWanted =
        qMin<std::int64_t>(nSize, qMin<std::int64_t>(nReadLimit, APP_BUF_SIZE));
    std::int64_t nGot = 0;
    if (!ReadFully(file, g_StageBuf, nWanted, nGot)) {
        g_lastStageResult = StageResult::ReadFailed;
        WriteLog(FileLogLine(
            "读取", strPath,
            QString::asprintf("失败, 读到 %lld Bytes, 应为 %lld Bytes",
                              static_cast<long long>(nGot), static_cast<long long>(nWanted))));
        return false;
    }
    g_lastStageResult = StageResult::Staged;
    nLength = static_cast<std::int32_t>(nSize);
    return true;
}
