#include "app/DialogLayout.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>

#include "firmware/FirmwareWindow.h"

const ControlTemplate MAIN_DIALOG_CONTROLS[MAIN_CONTROL_COUNT] = {
    {-1, ControlKind::CentredLabel, 10, 8, 62, 8,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "BootLoader文件")},
    {IDC_OPEN_BOOT, ControlKind::Button, 71, 5, 50, 14,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "打开文件...")},
    {IDC_BOOT_PATH, ControlKind::Edit, 7, 21, 209, 12, ""},
    {-1, ControlKind::Label, 230, 8, 55, 8, QT_TRANSLATE_NOOP("CQuorrixDlg", "APP应用程序文件")},
    {IDC_OPEN_APP, ControlKind::Button, 288, 5, 42, 14,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "打开文件...")},
    {IDC_APP_PATH, ControlKind::Edit, 226, 21, 208, 12, ""},
    {IDC_BOOT_INFO, ControlKind::InfoPanel, 5, 39, 213, 155,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "BootLoader信息")},
    {IDC_APP_INFO, ControlKind::InfoPanel, 226, 39, 210, 156,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "App文件信息")},
    {-1, ControlKind::Label, 10, 205, 35, 8, QT_TRANSLATE_NOOP("CQuorrixDlg", "地址偏移量")},
    {IDC_ADDRESS_OFFSET, ControlKind::Edit, 49, 203, 32, 12, ""},
    {IDC_MERGE, ControlKind::Button, 103, 202, 45, 16,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "合成固件...")},
    {IDC_OUTPUT_PATH, ControlKind::Edit, 155, 203, 280, 14, ""},
    {IDC_OUTPUT_PANE, ControlKind::OutputPane, 7, 228, 426, 102, ""},
    {-1, ControlKind::Label, 321, 333, 122, 8,
     QT_TRANSLATE_NOOP("CQuorrixDlg", "Norlyn电子部 · 2026年12月")},
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
