#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "firmware/checks/LayoutModel.h"

// A merged image's layout drawn on the address axis from 0x08000000: the boot region's code
// and padding, the App, the info blocks, the staging areas below them, and each failed check
// in red with its name. The tooltips give exact addresses.
class CLayoutStrip : public QWidget {
    Q_OBJECT
public:
    explicit CLayoutStrip(QWidget* pParent = nullptr);

    void SetSpans(std::vector<LayoutSpan> spans);

    // Where each span is drawn at the widget's present size, and its tooltip.
    struct Item {
        LayoutSpan span;
        QRect rect;
        QString strTip;
    };
    std::vector<Item> Items() const;
    // The tooltip of the topmost item at pos, or nothing.
    QString ToolTipAt(const QPoint& pos) const;
    // The last address the axis shows, exclusive.
    std::uint64_t AxisEnd() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QRect SpanRect(const LayoutSpan& span) const;
    int XOf(std::uint64_t qwAddress) const;
    int AxisHeight() const;
    void DrawAxis(class QPainter& painter) const;
    void DrawItem(QPainter& painter, const Item& item, std::vector<int>& rowEnds) const;

    std::vector<LayoutSpan> m_spans;
};

// Shows the layout of what merging the accepted images would build, with the checks that fail
// on it, or hides the strip while an image is missing.
void ShowAcceptedLayout(CLayoutStrip& strip);
