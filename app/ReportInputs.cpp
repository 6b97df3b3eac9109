#include "app/ReportInputs.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "firmware/InfoBlock.h"
#include "firmware/Workspace.h"
#include "platform/FileSystem.h"

namespace {
QString Tr(const char* pText) { return QCoreApplication::translate("ReportInputs", pText); }
}  // namespace

bool ReadReportFile(const QString& strPath, QByteArray& bytes, QString& strError) {
    const QFileInfo info(strPath);
    // The size is known before the read, so a huge file is never taken into memory.
    if (info.exists() && !info.isFile()) {
        strError = Tr(QT_TRANSLATE_NOOP("ReportInputs", "不是普通文件"));
        return false;
    }
    if (info.size() > REPORT_FILE_LIMIT) {
        strError = Tr(QT_TRANSLATE_NOOP("ReportInputs", "文件大小 %1 字节超过上限 %2 字节"))
                       .arg(info.size())
                       .arg(REPORT_FILE_LIMIT);
        return false;
    }
    if (!ReadRegularFile(strPath, bytes) || bytes.size() > REPORT_FILE_LIMIT) {
        strError = Tr(QT_TRANSLATE_NOOP("ReportInputs", "无法读取"));
        return false;
    }
    return true;
}

VerifyReference AcceptedImages() {
    VerifyReference ref;
    ref.byFill = g_byFillByte;
    ref.bHasBoot = g_bBootLoaded != 0;
    if (ref.bHasBoot) {
        const int nBoot = qMin<int>(g_nBootSize, static_cast<int>(BOOT_REGION_SIZE));
        ref.boot = QByteArray(reinterpret_cast<const char*>(g_BootBuf), qMax(0, nBoot));
    }
    ref.bHasApp = g_bAppLoaded != 0;
    if (ref.bHasApp) {
        ref.app = QByteArray(reinterpret_cast<const char*>(g_AppBuf),
                             qBound(0, static_cast<int>(g_nAppSize), APP_BUF_SIZE));
    }
    return ref;
}
