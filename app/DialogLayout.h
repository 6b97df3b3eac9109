#pragma once

#include <QFont>
#include <QRect>

#include "app/ControlIds.h"

// The controls of the main window as its dialog template lists them, in tab order, placed in
// dialog units of the dialog font.
enum class ControlKind {
    Label,
    CentredLabel,
    Button,
    MenuArrow,
    Edit,
    InfoPanel,
    OutputPane,
    LayoutStrip,
};

// How a control follows a window larger than its template: each edge moves by this many
// halves of the extra width (left, right) or height (top, bottom). The two halves of the
// window share the extra width; the panels and the pane share the extra height.
struct Stretch {
    int l = 0, t = 0, r = 0, b = 0;
};

struct ControlTemplate {
    int nId;  // -1 for the labels
    ControlKind kind;
    int x, y, cx, cy;
    const char* pText;  // UTF-8, translated in the context "CQuorrixDlg"
    Stretch stretch = {};
};

// The template's size is the window's smallest.
inline constexpr int MAIN_DIALOG_WIDTH = 445;
inline constexpr int MAIN_DIALOG_HEIGHT = 347;
inline constexpr int MAIN_CONTROL_COUNT = 20;
extern const ControlTemplate MAIN_DIALOG_CONTROLS[MAIN_CONTROL_COUNT];

// The dialog font: the desktop's font at 9 points.
QFont DialogFont();

// Dialog units to pixels: x by a quarter of the font's average character width, y by an
// eighth of its height.
QRect DluToPixels(const QFont& font, int x, int y, int cx, int cy);

// Where a control of the template goes in a window that is extra larger than the template.
QRect PlaceControl(const ControlTemplate& t, const QFont& font, QSize extra);

// A label whose text needs nWidth grows to it, away from the edge it keeps: the right one
// when it follows the right edge of the window, both when centred, else the left one.
QRect FitTextWidth(const ControlTemplate& t, QRect rect, int nWidth);

// A shown layout strip is this many dialog units high: three lines of the dialog font, for its
// bars, their labels and the axis.
inline constexpr int LAYOUT_STRIP_SHOWN_HEIGHT = 24;

// The strip, once shown, grows up from its row's bottom to its shown height and the output pane
// ends a dialog unit above it: the strip takes the bottom of the pane's room, never overlapping it.
void MakeRoomForStrip(const QFont& font, QRect& pane, QRect& strip);
