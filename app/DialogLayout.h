#pragma once

#include <QFont>
#include <QRect>

// The controls of the main window as its dialog template lists them, in tab order, placed in
// dialog units of the dialog font.
enum class ControlKind { Label, CentredLabel, Button, Edit, InfoPanel, OutputPane };

struct ControlTemplate {
    int nId;  // -1 for the labels
    ControlKind kind;
    int x, y, cx, cy;
    const char* pText;  // UTF-8, translated in the context "CQuorrixDlg"
};

inline constexpr int MAIN_DIALOG_WIDTH = 445;
inline constexpr int MAIN_DIALOG_HEIGHT = 347;
inline constexpr int MAIN_CONTROL_COUNT = 14;
extern const ControlTemplate MAIN_DIALOG_CONTROLS[MAIN_CONTROL_COUNT];

// The dialog font: the desktop's font at 9 points.
QFont DialogFont();

// Dialog units to pixels: x by a quarter of the font's average character width, y by an
// eighth of its height.
QRect DluToPixels(const QFont& font, int x, int y, int cx, int cy);
