#pragma once

class CCompareReportDlg;
class CLayoutStrip;
class CVerifyReportDlg;
class IFirmwarePrompts;
class QPushButton;
class QWidget;

// The main window's controls of the reports, in spacing its template leaves free: the two
// buttons top right beside the App's open button, the layout strip left of the footer (hidden
// until both images are accepted).
struct ReportControls {
    QPushButton* pVerify = nullptr;
    QPushButton* pCompare = nullptr;
    CLayoutStrip* pStrip = nullptr;
};
ReportControls AddReportControls(QWidget* pDlg);

// Asks for a merged firmware file, checks it (against the images the window has accepted, when
// there are any), writes "校验 File PATH = 通过" or "= N 项未通过" to the run log and shows the
// report. Nothing when the dialog is cancelled; a file that cannot be read is named in a
// message box.
CVerifyReportDlg* ShowVerifyReport(QWidget* pParent, IFirmwarePrompts& prompts);

// Asks for two files and shows how they differ.
CCompareReportDlg* ShowCompareReport(QWidget* pParent, IFirmwarePrompts& prompts);
