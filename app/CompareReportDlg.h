#pragma once

#include "app/ReportDlg.h"

class QByteArray;

// Two images compared: their info blocks field by field (a differing field marked), then the
// first differing offset and the count of differing bytes.
class CCompareReportDlg : public CReportDlg {
    Q_OBJECT
public:
    CCompareReportDlg(QWidget* pParent, const QString& strPathA, const QByteArray& a,
                      const QString& strPathB, const QByteArray& b);
};
