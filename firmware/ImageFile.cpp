#include "firmware/ImageFile.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "firmware/Workspace.h"
#include "log/RunLog.h"
#include "platform/FileLock.h"

namespace {

QString OpenLine(const QString& strPath, const char* pOutcome) {
    return QString::asprintf("打开 File %ls = %s", qUtf16Printable(strPath), pOutcome);
}

bool ReadFully(QFile& file, unsigned char* pBuffer, std::int64_t nWanted, std::int64_t& nGot) {
    nGot = 0;
    while (nGot < nWanted) {
        qint64 n = file.read(reinterpret_cast<char*>(pBuffer) + nGot, nWanted - nGot);
        if (n <= 0) return false;
        nGot += n;
    }
    return true;
}

}  // namespace

bool StageImageFile(const QString& strPath, std::int64_t nReadLimit, std::int64_t nSizeLimit,
                    std::int32_t& nLength) {
    QFileInfo info(strPath);
    // Checked before the open: opening a FIFO would block, a device would read without end.
    if (info.exists() && !info.isFile()) {
        WriteLog(OpenLine(strPath, "失败, 不是普通文件"));
        return false;
    }
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly) || !LockFileExclusive(file)) {
        WriteLog(OpenLine(strPath, "失败"));
        return false;
    }
    const std::int64_t nSize = file.size();
    if (nSize > nSizeLimit) {
        WriteLog(QString::asprintf("打开 File %ls = 失败, 文件大小 %lld Bytes 超过上限 %lld Bytes",
                                   qUtf16Printable(strPath), static_cast<long long>(nSize),
                                   static_cast<long long>(nSizeLimit)));
        return false;
    }
    WriteLog(OpenLine(strPath, "成功"));
    std::memset(g_StageBuf, 0, sizeof g_StageBuf);
    const std::int64_t nWanted =
        qMin<std::int64_t>(nSize, qMin<std::int64_t>(nReadLimit, APP_BUF_SIZE));
    std::int64_t nGot = 0;
    if (!ReadFully(file, g_StageBuf, nWanted, nGot)) {
        WriteLog(QString::asprintf("读取 File %ls = 失败, 读到 %lld Bytes, 应为 %lld Bytes",
                                   qUtf16Printable(strPath), static_cast<long long>(nGot),
                                   static_cast<long long>(nWanted)));
        return false;
    }
    nLength = static_cast<std::int32_t>(nSize);
    return true;
}
