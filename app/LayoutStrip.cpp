#include "app/LayoutStrip.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "app/ReportInputs.h"
#include "app/VerifyTexts.h"
#include "firmware/checks/InfoBlock.h"

namespace {

// The axis shows what lies within this much of the flash base; a staging area beyond it is
// drawn as a mark at the edge, so that one wild address does not crush the picture.
constexpr std::uint64_t AXIS_LIMIT = 0x1000000;
constexpr std::uint64_t AXIS_STEP = 0x400;
constexpr int MIN_MARK_WIDTH = 3;
constexpr int EDGE_MARK_WIDTH = 6;

QString Address(std::uint64_t qwAddress) {
    return HexNumber(static_cast<std::int64_t>(qwAddress), 8);
}

std::uint64_t EndOf(const LayoutSpan& span) {
    return static_cast<std::uint64_t>(span.dwStart) + std::max<std::uint32_t>(span.dwLength, 1);
}

bool OnAxis(const LayoutSpan& span) {
    return span.dwStart >= APP_ADDRESS_BASE && EndOf(span) <= APP_ADDRESS_BASE + AXIS_LIMIT;
}

bool IsStage(LayoutKind kind) {
    return kind == LayoutKind::InfoStage || kind == LayoutKind::AppStage;
}

QColor ColourOf(LayoutKind kind) {
    switch (kind) {
        case LayoutKind::BootCode:
            return QColor(60, 100, 175);
        case LayoutKind::BootPadding:
            return QColor(175, 198, 232);
        case LayoutKind::App:
            return QColor(80, 160, 90);
        case LayoutKind::InfoBlock1:
        case LayoutKind::InfoBlock2:
            return QColor(240, 165, 30);
        case LayoutKind::InfoStage:
        case LayoutKind::AppStage:
            return QColor(150, 115, 190);
        case LayoutKind::FailedCheck:
            break;
    }
    return QColor(210, 25, 25);
}

}  // namespace

CLayoutStrip::CLayoutStrip(QWidget* pParent) : QWidget(pParent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CLayoutStrip::SetSpans(std::vector<LayoutSpan> spans) {
    m_spans = std::move(spans);
    update();
}

QSize CLayoutStrip::sizeHint() const { return {560, 4 * fontMetrics().height()}; }
QSize CLayoutStrip::minimumSizeHint() const { return {200, 2 * fontMetrics().height()}; }

int CLayoutStrip::AxisHeight() const { return fontMetrics().height() + 4; }

std::uint64_t CLayoutStrip::AxisEnd() const {
    std::uint64_t qwEnd = APP_ADDRESS_BASE + BOOT_REGION_SIZE;
    for (const LayoutSpan& span : m_spans) {
        if (OnAxis(span)) qwEnd = std::max(qwEnd, EndOf(span));
    }
    return (qwEnd + AXIS_STEP - 1) / AXIS_STEP * AXIS_STEP;
}

int CLayoutStrip::XOf(std::uint64_t qwAddress) const {
    const int nLeft = EDGE_MARK_WIDTH, nWidth = width() - 2 * EDGE_MARK_WIDTH;
    const std::uint64_t qwSpan = AxisEnd() - APP_ADDRESS_BASE;
    return nLeft + static_cast<int>((qwAddress - APP_ADDRESS_BASE) * nWidth / qwSpan);
}

QRect CLayoutStrip::SpanRect(const LayoutSpan& span) const {
    const int nBarHeight = height() - AxisHeight();
    const int nMain = nBarHeight * 2 / 3;
    const int nTop = IsStage(span.kind) ? nMain : 0;
    const int nHeight = IsStage(span.kind) ? nBarHeight - nMain : nMain;
    if (!OnAxis(span)) {
        const int nLeft = span.dwStart < APP_ADDRESS_BASE ? 0 : width() - EDGE_MARK_WIDTH;
        return {nLeft, nTop, EDGE_MARK_WIDTH, nHeight};
    }
    int nLeft = XOf(span.dwStart), nRight = XOf(EndOf(span));
    if (nRight - nLeft < MIN_MARK_WIDTH) {
        nLeft = (nLeft + nRight) / 2 - MIN_MARK_WIDTH / 2;
        nRight = nLeft + MIN_MARK_WIDTH;
    }
    return {nLeft, nTop, nRight - nLeft, nHeight};
}

std::vector<CLayoutStrip::Item> CLayoutStrip::Items() const {
    std::vector<Item> items;
    for (const LayoutSpan& span : m_spans) {
        const QString strFrom = Address(span.dwStart);
        const QString strTo = Address(EndOf(span) - 1);
        QString strTip;
        switch (span.kind) {
            case LayoutKind::BootCode:
                strTip =
                    tr("BootLoader 代码: %1-%2, %3 字节").arg(strFrom, strTo).arg(span.dwLength);
                break;
            case LayoutKind::BootPadding:
                strTip =
                    tr("BootLoader 填充: %1-%2, %3 字节").arg(strFrom, strTo).arg(span.dwLength);
                break;
            case LayoutKind::App:
                strTip = tr("App: %1-%2, %3 字节").arg(strFrom, strTo).arg(span.dwLength);
                break;
            case LayoutKind::InfoBlock1:
                strTip = tr("信息块 1: %1-%2").arg(strFrom, strTo);
                break;
            case LayoutKind::InfoBlock2:
                strTip = tr("信息块 2 (App 的信息块): %1-%2").arg(strFrom, strTo);
                break;
            case LayoutKind::InfoStage:
                strTip = tr("信息暂存区: %1-%2").arg(strFrom, strTo);
                break;
            case LayoutKind::AppStage:
                strTip = tr("App 暂存区: %1-%2, %3 字节").arg(strFrom, strTo).arg(span.dwLength);
                break;
            case LayoutKind::FailedCheck:
                strTip = span.dwLength <= 1
                             ? tr("未通过的检查 %1: %2").arg(span.strCheck, strFrom)
                             : tr("未通过的检查 %1: %2-%3").arg(span.strCheck, strFrom, strTo);
                break;
        }
        items.push_back({span, SpanRect(span), strTip});
    }
    return items;
}

QString CLayoutStrip::ToolTipAt(const QPoint& pos) const {
    const std::vector<Item> items = Items();
    // The failed checks and the blocks are drawn last, over the regions they lie in.
    const auto it = std::find_if(items.rbegin(), items.rend(),
                                 [&pos](const Item& item) { return item.rect.contains(pos); });
    return it == items.rend() ? QString() : it->strTip;
}

bool CLayoutStrip::event(QEvent* pEvent) {
    if (pEvent->type() != QEvent::ToolTip) return QWidget::event(pEvent);
    auto* pHelp = static_cast<QHelpEvent*>(pEvent);
    const QString strTip = ToolTipAt(pHelp->pos());
    if (strTip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(pHelp->globalPos(), strTip, this);
    }
    return true;
}

void CLayoutStrip::DrawAxis(QPainter& painter) const {
    const int nY = height() - AxisHeight();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(0, nY, width(), nY);
    const int nText = nY + 2, nTextHeight = AxisHeight() - 2;
    const int nApp = XOf(APP_ADDRESS_BASE + BOOT_REGION_SIZE);
    const QString strApp = Address(APP_ADDRESS_BASE + BOOT_REGION_SIZE);
    const int nAppWidth = fontMetrics().horizontalAdvance(strApp);
    painter.drawText(QRect(XOf(APP_ADDRESS_BASE), nText, width(), nTextHeight),
                     Qt::AlignLeft | Qt::AlignTop, Address(APP_ADDRESS_BASE));
    const int nEndWidth = fontMetrics().horizontalAdvance(Address(AxisEnd()));
    // The App's start is named only where it does not run into the labels at the ends.
    if (nApp - nAppWidth / 2 > nAppWidth + 8 && nApp + nAppWidth / 2 < width() - nEndWidth - 8) {
        painter.drawText(QRect(nApp - nAppWidth / 2, nText, nAppWidth, nTextHeight),
                         Qt::AlignLeft | Qt::AlignTop, strApp);
    }
    painter.drawText(QRect(0, nText, XOf(AxisEnd()), nTextHeight), Qt::AlignRight | Qt::AlignTop,
                     Address(AxisEnd()));
    for (const std::uint64_t qw :
         {std::uint64_t{APP_ADDRESS_BASE}, APP_ADDRESS_BASE + BOOT_REGION_SIZE, AxisEnd()})
        painter.drawLine(XOf(qw), nY, XOf(qw), nY + 3);
}

void CLayoutStrip::DrawItem(QPainter& painter, const Item& item, std::vector<int>& rowEnds) const {
    const QColor colour = ColourOf(item.span.kind);
    if (item.span.kind != LayoutKind::FailedCheck) {
        painter.fillRect(item.rect, colour);
        if (item.span.kind == LayoutKind::App || item.span.kind == LayoutKind::BootCode) {
            const QString strLabel = item.span.kind == LayoutKind::App
                                         ? tr("App %1 字节").arg(item.span.dwLength)
                                         : QStringLiteral("BootLoader");
            const QString strShown =
                fontMetrics().elidedText(strLabel, Qt::ElideRight, item.rect.width() - 6);
            // A label cut down to its ellipsis says nothing: the tooltip has it.
            if (strShown.size() <= 2) return;
            painter.setPen(Qt::white);
            painter.drawText(item.rect.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             strShown);
        }
        return;
    }
    QColor fill = colour;
    fill.setAlpha(90);
    painter.fillRect(item.rect, fill);
    painter.setPen(QPen(colour, 2));
    painter.drawRect(item.rect.adjusted(1, 1, -1, -1));
    // Each name goes into the first row where it clears the names already there, or after the
    // last of them, so that none hides another.
    const int nLine = fontMetrics().height();
    const int nRows = std::max(1, (height() - AxisHeight()) / nLine);
    const int nWidth = fontMetrics().horizontalAdvance(item.span.strCheck) + 4;
    const int nWanted = std::clamp(item.rect.left(), 0, std::max(0, width() - nWidth));
    if (static_cast<int>(rowEnds.size()) < nRows) rowEnds.resize(static_cast<size_t>(nRows), 0);
    int nRow = 0;
    while (nRow < nRows && rowEnds[static_cast<size_t>(nRow)] > nWanted) ++nRow;
    if (nRow == nRows)
        nRow = static_cast<int>(std::min_element(rowEnds.begin(), rowEnds.end()) - rowEnds.begin());
    const int nLeft = std::max(nWanted, rowEnds[static_cast<size_t>(nRow)]);
    rowEnds[static_cast<size_t>(nRow)] = nLeft + nWidth + 2;
    const QRect box(nLeft, nRow * nLine, nWidth, nLine);
    painter.fillRect(box, QColor(255, 255, 255, 220));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, item.span.strCheck);
}

void CLayoutStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (m_spans.empty()) return;
    std::vector<int> rowEnds;  // where the names placed so far end, per row
    for (const Item& item : Items()) DrawItem(painter, item, rowEnds);
    DrawAxis(painter);
}

void ShowAcceptedLayout(CLayoutStrip& strip) {
    const VerifyReference ref = AcceptedImages();
    if (!ref.bHasBoot || !ref.bHasApp) {
        strip.hide();
        return;
    }
    const QByteArray image = MergedImageOf(ref);
    strip.SetSpans(
        MergedLayout(image, ref.boot.size(), ref.byFill, VerifyFirmwareImage(image, ref)));
    strip.show();
}
