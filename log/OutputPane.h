#pragma once

#include <QString>
#include <memory>

class QObject;

// A text control that the run log moves its pending text into. The run log itself knows no
// widgets: the window program supplies the adapters for its controls.
class IOutputPane {
public:
    virtual ~IOutputPane() = default;

    // 1 for a plain edit control, 2 for a rich edit control.
    virtual int PaneKind() const = 0;
    // False once the control has been destroyed.
    virtual bool Exists() const = 0;
    // Called once when linked: multi-line, vertical scrolling, no horizontal scrolling.
    virtual void Configure() = 0;
    // Deletes the oldest text of the control: what the run log once inserted as strRemoved.
    virtual void DeleteHead(const QString& strRemoved, bool bScrollCaret) = 0;
    virtual int FirstVisibleLine() const = 0;
    // Puts the caret on the last line (at its end, or at its start) and inserts the text there,
    // scrolling the caret into view.
    virtual void InsertOnLastLine(const QString& strText, bool bAtLineEnd) = 0;
    virtual void ScrollLines(int nLines) = 0;
    virtual void ScrollToBottom() = 0;
    virtual void Repaint() = 0;
};

// Makes the run log's own adapter for a control: an edit (kind 1) or rich edit (kind 2) pane,
// or nullptr for a control that is neither.
using PaneBinder = std::unique_ptr<IOutputPane> (*)(QObject* pWnd);

// Installed once by the window program; without one, controls link nothing.
void SetPaneBinder(PaneBinder pfnBinder);
