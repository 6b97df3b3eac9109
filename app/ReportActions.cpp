#include "app/ReportActions.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <algorithm>
#include <optional>

#include "app/CompareReportDlg.h"
#include "app/CoreTexts.h"
#include "app/DialogLayout.h"
#include "app/FileDialogs.h"
#include "app/FileHistory.h"
#include "app/LayoutStrip.h"
#include "app/ReportInputs.h"
#include "app/VerifyReportDlg.h"
#include "app/VerifyTexts.h"
#include "firmware/workspace/ImageFile.h"
#include "log/RunLog.h"

namespace {

// Chooses and reads one file; false when cancelled or refused (the reason then in a box that
// does not hold up the window).
bool ChooseAndRead(QWidget* pParent, IFileDialogs& dialogs, int nButtonId, QString& strPath,
                   QByteArray& bytes, std::optional<std::uint32_t>* pStart = nullptr) {
    if (!dialogs.ChooseOpenFile(nButtonId, RememberedFolder(nButtonId), strPath)) return false;
    RememberFile(nButtonId, strPath);
    const CoreResult read = ReadReportFile(strPath, bytes, pStart);
    if (read.Done()) return true;
    auto* pBox = new QMessageBox(QMessageBox::Warning, QStringLiteral("Quorrix"),
                                 QCoreApplication::translate("ReportActions", "无法读取 %1: %2")
                                     .arg(QDir::toNativeSeparators(strPath), CoreResultText(read)),
                                 QMessageBox::Ok, pParent);
    pBox->setAttribute(Qt::WA_DeleteOnClose);
    pBox->show();
    return false;
}

}  // namespace

CVerifyReportDlg* ShowVerifyReport(QWidget* pParent, IFileDialogs& dialogs) {
    QString strPath;
    QByteArray image;
    std::optional<std::uint32_t> dwStart;
    if (!ChooseAndRead(pParent, dialogs, IDC_VERIFY, strPath, image, &dwStart)) return nullptr;
    const VerifyReference ref = AcceptedImages();
    const std::vector<VerifyCheck> checks = VerifyFirmwareImage(image, ref, dwStart);
    const int nFailed = CountFailed(checks);
    WriteLog(FileLogLine(
        "校验", strPath,
        nFailed == 0 ? QStringLiteral("通过") : QString::asprintf("%d 项未通过", nFailed)));
    auto* pDlg = new CVerifyReportDlg(pParent, strPath, image, ref, checks);
    pDlg->show();
    return pDlg;
}

CCompareReportDlg* ShowCompareReport(QWidget* pParent, IFileDialogs& dialogs) {
    QString strPathA, strPathB;
    QByteArray a, b;
    if (!ChooseAndRead(pParent, dialogs, IDC_COMPARE, strPathA, a) ||
        !ChooseAndRead(pParent, dialogs, IDC_COMPARE, strPathB, b)) {
        return nullptr;
    }
    auto* pDlg = new CCompareReportDlg(pParent, strPathA, a, strPathB, b);
    pDlg->show();
    return pDlg;
}
