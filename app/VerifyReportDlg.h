#pragma once

#include <vector>

#include "app/ReportDlg.h"
#include "firmware/checks/FirmwareVerify.h"

class CLayoutStrip;

// The checks of one merged firmware file: a row per check with its verdict, the file's
// layout, and its digest (size, CRC-32, SHA-256).
class CVerifyReportDlg : public CReportDlg {
    Q_OBJECT
public:
    CVerifyReportDlg(QWidget* pParent, const QString& strPath, const QByteArray& image,
                     const VerifyReference& ref, const std::vector<VerifyCheck>& checks);
    CLayoutStrip* Strip() const { return m_pStrip; }

private:
    CLayoutStrip* m_pStrip;
};
