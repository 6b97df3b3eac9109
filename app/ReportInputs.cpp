#include "app/ReportInputs.h"

#include <QCoreApplication>

#include "app/WindowWorkspace.h"
#include "firmware/ImageFile.h"
#include "firmware/InfoBlock.h"

namespace {
QString Tr(const char* pText) { return QCoreApplication::translate("ReportInputs", pText); }
}  // namespace

bool ReadReportFile(const QString& strPath, QByteArray& bytes, QString& strError) {
    // Read once, as quorrix-cli reads it: build outputs converted, huge files never taken in.
    const InputFile input = ReadImageInput(strPath, REPORT_FILE_LIMIT, REPORT_FILE_LIMIT, 0);
    switch (input.result) {
        case StageResult::Staged:
            bytes = input.bytes;
            return true;
        case StageResult::NotRegular:
            strError = Tr(QT_TRANSLATE_NOOP("ReportInputs", "不是普通文件"));
            break;
        case StageResult::TooLarge:
            strError = Tr(QT_TRANSLATE_NOOP("ReportInputs", "文件大小 %1 字节超过上限 %2 字节"))
                           .arg(input.nSize)
                           .arg(REPORT_FILE_LIMIT);
            break;
        case StageResult::ConvertFailed:
        case StageResult::OpenFailed:
            strError = Tr(QT_TRANSLATE_NOOP("ReportInputs", "无法读取")) + QStringLiteral(": ") +
                       input.strReason;
            break;
        default:
            strError = Tr(QT_TRANSLATE_NOOP("ReportInputs", "无法读取"));
            break;
    }
    return false;
}

VerifyReference AcceptedImages() {
    VerifyReference ref;
    ref.byFill = 0;  // the window merges with 0x00
    ref.bHasBoot = g_Workspace.bBootLoaded != 0;
    if (ref.bHasBoot) {
        const int nBoot = qMin<int>(g_Workspace.nBootSize, static_cast<int>(BOOT_REGION_SIZE));
        ref.boot = QByteArray(reinterpret_cast<const char*>(g_Workspace.BootBuf), qMax(0, nBoot));
    }
    ref.bHasApp = g_Workspace.bAppLoaded != 0;
    if (ref.bHasApp) {
        ref.app = QByteArray(reinterpret_cast<const char*>(g_Workspace.AppBuf),
                             qBound(0, static_cast<int>(g_Workspace.nAppSize), APP_BUF_SIZE));
    }
    return ref;
}
