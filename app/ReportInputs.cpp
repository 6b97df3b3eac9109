#include "app/ReportInputs.h"

#include <QCoreApplication>

#include "app/WindowWorkspace.h"
#include "firmware/checks/MergeReference.h"
#include "firmware/workspace/ImageFile.h"
#include "firmware/workspace/MergeOptions.h"

namespace {
QString Tr(const char* pText) { return QCoreApplication::translate("ReportInputs", pText); }
}  // namespace

bool ReadReportFile(const QString& strPath, QByteArray& bytes, QString& strError,
                    std::optional<std::uint32_t>* pStart) {
    // Read once, as quorrix-cli reads it: build outputs converted, huge files never taken in.
    const ImageInput input = ReadImageInput(strPath, REPORT_FILE_LIMIT, REPORT_FILE_LIMIT, 0);
    switch (input.result) {
        case StageResult::Read:
            bytes = input.bytes;
            if (pStart && input.format != ImageFormat::Bin) *pStart = input.dwStart;
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
    return MergeReferenceOf(g_Workspace, MergeOptions().byFill);  // the window's merge options
}
