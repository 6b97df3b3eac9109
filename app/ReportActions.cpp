#include "app/ReportActions.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "app/CompareReportDlg.h"
#include "app/DialogLayout.h"
#include "app/LayoutStrip.h"
#include "app/ReportInputs.h"
#include "app/VerifyReportDlg.h"
#include "app/VerifyTexts.h"
#include "firmware/FirmwareWindow.h"
#include "firmware/ImageFile.h"
#include "log/RunLog.h"

namespace {

// Chooses and reads one file; false when cancelled or refused (the reason then in a box that
// does not hold up the window).
bool ChooseAndRead(QWidget* pParent, IFirmwarePrompts& prompts, QString& strPath,
                   QByteArray& bytes) {
    if (!prompts.ChooseOpenFile(strPath)) return false;
    QString strError;
    if (ReadReportFile(strPath, bytes, strError)) return true;
    auto* pBox = new QMessageBox(QMessageBox::Warning, QStringLiteral("Quorrix"),
                                 QCoreApplication::translate("ReportActions", "无法读取 %1: %2")
                                     .arg(QDir::toNativeSeparators(strPath), strError),
                                 QMessageBox::Ok, pParent);
    pBox->setAttribute(Qt::WA_DeleteOnClose);
    pBox->show();
    return false;
}

QPushButton* AddButton(QWidget* pDlg, const char* pText, int x) {
    auto* pButton = new QPushButton(QCoreApplication::translate("CQuorrixDlg", pText), pDlg);
    pButton->setAutoDefault(false);  // Enter presses no button
    pButton->setGeometry(DluToPixels(pDlg->font(), x, 5, 46, 14));
    return pButton;
}

}  // namespace

ReportControls AddReportControls(QWidget* pDlg) {
    ReportControls controls;
    controls.pVerify = AddButton(pDlg, QT_TRANSLATE_NOOP("CQuorrixDlg", "校验固件..."), 340);
    controls.pCompare = AddButton(pDlg, QT_TRANSLATE_NOOP("CQuorrixDlg", "比较固件..."), 390);
    controls.pStrip = new CLayoutStrip(pDlg);
    controls.pStrip->setGeometry(DluToPixels(pDlg->font(), 7, 331, 310, 15));
    controls.pStrip->hide();
    return controls;
}

CVerifyReportDlg* ShowVerifyReport(QWidget* pParent, IFirmwarePrompts& prompts) {
    QString strPath;
    QByteArray image;
    if (!ChooseAndRead(pParent, prompts, strPath, image)) return nullptr;
    const VerifyReference ref = AcceptedImages();
    const std::vector<VerifyCheck> checks = VerifyFirmwareImage(image, ref);
    const int nFailed = CountFailed(checks);
    WriteLog(FileLogLine(
        "校验", strPath,
        nFailed == 0 ? QStringLiteral("通过") : QString::asprintf("%d 项未通过", nFailed)));
    auto* pDlg = new CVerifyReportDlg(pParent, strPath, image, ref, checks);
    pDlg->show();
    return pDlg;
}

CCompareReportDlg* ShowCompareReport(QWidget* pParent, IFirmwarePrompts& prompts) {
    QString strPathA, strPathB;
    QByteArray a, b;
    if (!ChooseAndRead(pParent, prompts, strPathA, a) ||
        !ChooseAndRead(pParent, prompts, strPathB, b)) {
        return nullptr;
    }
    auto* pDlg = new CCompareReportDlg(pParent, strPathA, a, strPathB, b);
    pDlg->show();
    return pDlg;
}
