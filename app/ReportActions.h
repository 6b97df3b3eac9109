#pragma once

class CCompareReportDlg;
class CLayoutStrip;
class CVerifyReportDlg;
class IFileDialogs;
class QPushButton;
class QWidget;

// The main window's controls of the reports, rows of its template in spacing the seed leaves
// free: the two buttons top right beside the App's open button, the layout strip left of the
// footer (hidden until both images are accepted).
struct ReportControls {
    QPushButton* pVerify = nullptr;
    QPushButton* pCompare = nullptr;
    CLayoutStrip* pStrip = nullptr;
};

// Asks for a merged firmware file, checks it (against the images the window has accepted, when
// there are any), writes "校验 File PATH = 通过" or "= N 项未通过" to the run log and shows the
// report. Nothing when the dialog is cancelled; a file that cannot be read is named in a
// message box.
CVerifyReportDlg* ShowVerifyReport(QWidget* pParent, IFileDialogs& dialogs);

// Asks for two files and shows how they differ.
CCompareReportDlg* ShowCompareReport(QWidget* pParent, IFileDialogs& dialogs);
