#include "app/VerifyReportDlg.h"

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>
#include <algorithm>

#include "app/LayoutStrip.h"
#include "app/VerifyTexts.h"
#include "firmware/checks/LayoutModel.h"
#include "firmware/workspace/Digest.h"

namespace {

// A filled circle with a tick or a cross, so that a verdict reads without its colour too.
QIcon VerdictIcon(bool bOk) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(bOk ? QColor(30, 150, 60) : QColor(200, 30, 30));
    painter.drawEllipse(1, 1, 14, 14);
    painter.setPen(QPen(Qt::white, 2));
    if (bOk) {
        painter.drawPolyline(QPolygon({QPoint(4, 8), QPoint(7, 11), QPoint(12, 5)}));
    } else {
        painter.drawLine(5, 5, 11, 11);
        painter.drawLine(11, 5, 5, 11);
    }
    return QIcon(pixmap);
}

QString CompareText(const VerifyReference& ref) {
    if (ref.bHasBoot && ref.bHasApp)
        return CVerifyReportDlg::tr("与窗口中已接受的 BootLoader 和 App 比较");
    if (ref.bHasBoot) return CVerifyReportDlg::tr("与窗口中已接受的 BootLoader 比较");
    if (ref.bHasApp) return CVerifyReportDlg::tr("与窗口中已接受的 App 比较");
    return CVerifyReportDlg::tr("窗口中没有已接受的映像: 只检查文件本身");
}

QString VerifyHead(const QString& strPath, const VerifyReference& ref,
                   const std::vector<VerifyCheck>& checks) {
    const int nFailed = CountFailed(checks);
    const QString strVerdict =
        nFailed == 0
            ? CVerifyReportDlg::tr("全部 %1 项检查通过").arg(checks.size())
            : CVerifyReportDlg::tr("%1 项检查中 %2 项未通过").arg(checks.size()).arg(nFailed);
    return CVerifyReportDlg::tr("文件: %1").arg(QDir::toNativeSeparators(strPath)) +
           QLatin1Char('\n') + CompareText(ref) + QLatin1Char('\n') + strVerdict;
}

QString DigestText(const QByteArray& image) {
    return CVerifyReportDlg::tr("大小: %1 字节").arg(image.size()) + QLatin1Char('\n') +
           QStringLiteral("CRC-32: %1\nSHA-256: %2")
               .arg(QString::asprintf("%08x", Crc32(image)), Sha256Hex(image));
}

}  // namespace

CVerifyReportDlg::CVerifyReportDlg(QWidget* pParent, const QString& strPath,
                                   const QByteArray& image, const VerifyReference& ref,
                                   const std::vector<VerifyCheck>& checks)
    : CReportDlg(pParent, tr("校验固件"), VerifyHead(strPath, ref, checks),
                 {tr("结果"), tr("检查"), tr("说明")}),
      m_pStrip(new CLayoutStrip(this)) {
    for (const VerifyCheck& check : checks) {
        auto* pRow = new QTreeWidgetItem(
            Rows(), {VerifyVerdict(check.bOk), check.strName, VerifyRowText(check)});
        pRow->setIcon(0, VerdictIcon(check.bOk));
        // The line quorrix-cli prints, for a comparison with a build pipeline's log.
        for (int i = 0; i < 3; ++i) pRow->setToolTip(i, VerifyLine(check));
        MarkRow(pRow, check.bOk);
    }
    m_pStrip->SetSpans(
        MergedLayout(image, ref.bHasBoot ? ref.boot.size() : -1, ref.byFill, checks));
    InsertWidget(m_pStrip);
    SetFoot(DigestText(image));
    FitToRows();
}
