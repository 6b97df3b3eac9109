#include <QByteArray>

#include "firmware/checks/LayoutChecks.h"
#include "firmware/checks/MergeReference.h"
#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/Prompts.h"
#include "firmware/workspace/Workspace.h"
#include "log/RunLog.h"

CoreResult MergeFirmware(FirmwareWorkspace& ws, IFirmwarePrompts& prompts,
                         const MergeOptions& options, std::vector<VerifyCheck>* pChecks) {
    const CoreResult merged = MergeFirmwareImages(ws, options);
    if (!merged.Done()) return merged;
    const std::vector<VerifyCheck> checks =
        CheckLayout(MergeLayoutOf(MergeReferenceOf(ws, options.byFill)));
    if (pChecks) *pChecks = checks;
    int nFailed = 0;
    for (const VerifyCheck& check : checks) {
        if (check.bOk) continue;
        WriteLog(QStringLiteral("检查 %1 = 失败, %2").arg(check.strName, check.strText));
        ++nFailed;
    }
    // A sound pair merges as it always did: no line, no question.
    if (nFailed == 0) return CoreResult();
    const QString strQuestion = QString::asprintf(
        "合成的固件有 %d 项检查未通过, 可能无法启动 (详见输出窗口)。\r\n仍要保存吗?", nFailed);
    if (prompts.AskYesNo(strQuestion)) return CoreResult();
    WriteLog(QStringLiteral("合成固件 = 取消"));
    return CoreResult::Failed(CoreReason::ChecksDeclined, QStringLiteral("取消"));
}
