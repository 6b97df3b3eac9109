#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/FirmwareOutput.h"
#include "firmware/workspace/ImageFile.h"
#include "firmware/workspace/Workspace.h"
#include "log/RunLog.h"
#include "platform/Arguments.h"
#include "platform/FileOpen.h"

namespace {

// The system's reason when there is one: QSaveFile may only say "Unknown error".
QString FailureReason(const QFileDevice& file, int nError) {
    return nError != 0 ? SystemErrorText(nError) : file.errorString();
}

bool WriteAt(QFile& file, qint64 nAt, const QByteArray& bytes) {
    errno = 0;
    return file.seek(nAt) && file.write(bytes) == bytes.size() && file.flush();
}

// Writes the new content over an old file without losing it when the disk is full: the part
// past the old end is written first (and cut away again when that fails), so that writing
// over the old bytes afterwards needs no new room.
bool WriteInPlace(QFile& file, const QByteArray& bytes, QString& strError) {
    const qint64 nOld = file.size();
    if (bytes.size() > nOld && !WriteAt(file, nOld, bytes.mid(nOld))) {
        strError = FailureReason(file, errno);
        file.resize(nOld);
        return false;
    }
    if (!WriteAt(file, 0, bytes.left(qMin<qint64>(nOld, bytes.size()))) ||
        (bytes.size() < nOld && !file.resize(bytes.size()))) {
        strError = FailureReason(file, errno);
        return false;
    }
    file.close();
    return true;
}

bool CommitWhole(QSaveFile& file, const QByteArray& bytes, QString& strError) {
    errno = 0;
    if (file.write(bytes) == bytes.size()) {
        errno = 0;
        if (file.commit()) return true;
    }
    strError = FailureReason(file, errno);
    return false;
}

bool IsInputFile(const FirmwareWorkspace& ws, const QString& strPath) {
    return (ws.bBootLoaded && IsSameFile(strPath, ws.bootSource.strPath)) ||
           (ws.bAppLoaded && IsSameFile(strPath, ws.appSource.strPath));
}

// A save that failed: its run-log line ("<verb> File ... = 失败, <words>") and its result. The
// system's words serve every audience; the save's own refusals have their English in strDetail.
CoreResult SaveFailed(const char* pVerb, const QString& strPath, const QString& strWords,
                      const char* pEnglish = nullptr) {
    WriteLog(FileLogLine(pVerb, strPath, QStringLiteral("失败, ") + strWords));
    CoreResult result = CoreResult::Failed(CoreReason::SaveFailed, strWords);
    result.strDetail = pEnglish ? QString::fromLatin1(pEnglish) : strWords;
    return result;
}

CoreResult SaveRefused(const QString& strPath, const char* pWords, const char* pEnglish) {
    return SaveFailed("保存", strPath, QString::fromUtf8(pWords), pEnglish);
}

// A folder that refuses the temporary file may still hold a file the user can write; it is
// then written in place, which is not atomic. strError keeps the first refusal otherwise.
CoreResult SaveInPlace(const QString& strPath, const QByteArray& bytes, QString strError) {
    QFile direct(strPath);
    const QFileInfo target(strPath);
    if (!target.isFile() || !target.isWritable() ||
        !direct.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        if (target.isFile()) strError = direct.errorString();
        return SaveFailed("创建", strPath, strError);
    }
    WriteLog(FileLogLine("创建", strPath, QStringLiteral("成功")));
    WriteLog(FileLogLine("保存", strPath, QStringLiteral("直接写入, 文件夹不可写, 不是原子保存")));
    if (!WriteInPlace(direct, bytes, strError)) return SaveFailed("保存", strPath, strError);
    WriteLog(FileLogLine("保存", strPath, QStringLiteral("完成")));
    return CoreResult();
}

}  // namespace

CoreResult SaveFirmwareFile(const FirmwareWorkspace& ws, const QString& strPath,
                            const MergeOptions& options) {
    // Replacing a device, FIFO or folder with a regular file would destroy it.
    if (IsSpecialFile(strPath)) return SaveRefused(strPath, "不是普通文件", "not a regular file");
    if (PathLostBytes(strPath))
        return SaveRefused(strPath, "文件名无法表示", "the name lost bytes");
    if (IsInputFile(ws, strPath))
        return SaveRefused(strPath, "是输入文件", "an input of the merge");
    // Replacing the day's log would lose every record of it, other runs' too.
    if (g_RunLog.HoldsOpen(strPath))
        return SaveRefused(strPath, "是日志文件", "the day's log file");
    const QByteArray bytes = FirmwareFileBytes(ws, options);
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly)) return SaveInPlace(strPath, bytes, file.errorString());
    QString strError;
    // The file is there only once the commit has put it in place.
    if (!CommitWhole(file, bytes, strError)) return SaveFailed("创建", strPath, strError);
    WriteLog(FileLogLine("创建", strPath, QStringLiteral("成功")));
    WriteLog(FileLogLine("保存", strPath, QStringLiteral("完成")));
    return CoreResult();
}
