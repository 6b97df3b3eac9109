#include "app/DialogLayout.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <algorithm>

#include "app/ControlIds.h"

// The left half (boot loader) takes the first half of the extra width, the right half (App)
// the second; the panels take the first half of the extra height, the pane the second.
namespace {
constexpr Stretch LEFT_HALF{0, 0, 1, 0};
constexpr Stretch RIGHT_HALF{1, 0, 2, 0};
constexpr Stretch MOVES_RIGHT{1, 0, 1, 0};
constexpr Stretch BOOT_PANEL{0, 0, 1, 1};
constexpr Stretch APP_PANEL{1, 0, 2, 1};
constexpr Stretch MERGE_ROW{0, 1, 0, 1};
constexpr Stretch MERGE_ROW_WIDE{0, 1, 2, 1};
constexpr Stretch PANE{0, 1, 2, 2};
constexpr Stretch CORNER{2, 2, 2, 2};
constexpr Stretch RIGHT_EDGE{2, 0, 2, 0};
constexpr Stretch BOTTOM_LEFT{0, 2, 1, 2};
}  // namespace

const ControlTemplate MAIN_DIALOG_CONTROLS[MAIN_CONTROL_COUNT] = {
    {-1, ControlKind::CentredLabel, 10, 8, 62, 8,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "BootLoader文件")},
    {IDC_OPEN_BOOT, ControlKind::Button, 71, 5, 50, 14,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "打开文件...")},
    {IDC_RECENT_BOOT, ControlKind::MenuArrow, 122, 5, 10, 14, ""},
    {IDC_BOOT_PATH, ControlKind::Edit, 7, 21, 209, 12, "", LEFT_HALF},
    {-1, ControlKind::Label, 230, 8, 55, 8, QT_TRANSLATE_NOOP("CQuorrixDlg", "APP应用程序文件"),
     MOVES_RIGHT},
    {IDC_OPEN_APP, ControlKind::Button, 288, 5, 42, 14,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "打开文件..."), MOVES_RIGHT},
    {IDC_RECENT_APP, ControlKind::MenuArrow, 331, 5, 10, 14, "", MOVES_RIGHT},
    // In the template's spacing right of the App's button: nothing of the seed moves.
    {IDC_VERIFY, ControlKind::Button, 345, 5, 44, 14,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "校验固件..."), RIGHT_EDGE},
    {IDC_COMPARE, ControlKind::Button, 391, 5, 44, 14,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "比较固件..."), RIGHT_EDGE},
    {IDC_APP_PATH, ControlKind::Edit, 226, 21, 208, 12, "", RIGHT_HALF},
    {IDC_BOOT_INFO, ControlKind::InfoPanel, 5, 39, 213, 155,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "BootLoader信息"), BOOT_PANEL},
    {IDC_APP_INFO, ControlKind::InfoPanel, 226, 39, 210, 156,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "App文件信息"), APP_PANEL},
    {-1, ControlKind::Label, 10, 205, 35, 8, QT_TRANSLATE_NOOP("CQuorrixDlg", "地址偏移量"),
     MERGE_ROW},
    {IDC_ADDRESS_OFFSET, ControlKind::Edit, 49, 203, 32, 12, "", MERGE_ROW},
    {IDC_MERGE, ControlKind::Button, 103, 202, 45, 16,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "合成固件..."), MERGE_ROW},
    {IDC_OUTPUT_PATH, ControlKind::Edit, 155, 203, 280, 14, "", MERGE_ROW_WIDE},
    {IDC_OUTPUT_PANE, ControlKind::OutputPane, 7, 228, 426, 102, "", PANE},
    // Grows up into the pane's room once it is shown (MakeRoomForStrip).
    {IDC_LAYOUT_STRIP, ControlKind::LayoutStrip, 7, 331, 310, 15, "", BOTTOM_LEFT},
    {-1, ControlKind::Label, 321, 333, 122, 8,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "Norlyn电子部 · 2026年12月"), CORNER},
};

QFont DialogFont() {
    QFont font = QApplication::font();
    font.setPointSize(9);
    return font;
}

namespace {
int MulDiv(int nValue, int nNumerator, int nDenominator) {
    return (nValue * nNumerator + nDenominator / 2) / nDenominator;
}
}  // namespace

QRect DluToPixels(const QFont& font, int x, int y, int cx, int cy) {
    QFontMetrics metrics(font);
    const int nWidth52 = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int nBaseX = (nWidth52 / 26 + 1) / 2;
    const int nBaseY = metrics.height();
    return QRect(MulDiv(x, nBaseX, 4), MulDiv(y, nBaseY, 8), MulDiv(cx, nBaseX, 4),
                 MulDiv(cy, nBaseY, 8));
}

QRect PlaceControl(const ControlTemplate& t, const QFont& font, QSize extra) {
    const QRect rect = DluToPixels(font, t.x, t.y, t.cx, t.cy);
    const int dx = std::max(extra.width(), 0);
    const int dy = std::max(extra.height(), 0);
    // Halves of odd extras round the same way for every control, so shared edges stay shared.
    auto shift = [](int nExtra, int nHalves) { return nExtra * nHalves / 2; };
    return rect.adjusted(shift(dx, t.stretch.l), shift(dy, t.stretch.t), shift(dx, t.stretch.r),
                         shift(dy, t.stretch.b));
}

QRect FitTextWidth(const ControlTemplate& t, QRect rect, int nWidth) {
    const int nMore = nWidth - rect.width();
    if (nMore <= 0) return rect;
    // A centred label grows into the margin on its left first: its right neighbour is close.
    if (t.kind == ControlKind::CentredLabel) {
        const int nLeft = qMin(nMore, qMax(rect.left(), 0));
        return rect.adjusted(-nLeft, 0, nMore - nLeft, 0);
    }
    if (t.stretch.l == 2) return rect.adjusted(-nMore, 0, 0, 0);
    return rect.adjusted(0, 0, nMore, 0);
}

void MakeRoomForStrip(const QFont& font, QRect& pane, QRect& strip) {
    const QRect shown = DluToPixels(font, 0, 0, 0, LAYOUT_STRIP_SHOWN_HEIGHT);
    strip.setTop(std::min(strip.top(), strip.bottom() + 1 - shown.height()));
    const int nGap = DluToPixels(font, 0, 0, 0, 1).height();
    pane.setBottom(std::min(pane.bottom(), strip.top() - 1 - nGap));
}
