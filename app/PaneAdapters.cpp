#include "app/PaneAdapters.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

#include "log/OutputPane.h"

namespace {

// A CR LF pair is one paragraph break in a text document, so it counts once there.
int DocumentLength(const QString& strText) {
    return static_cast<int>(strText.size() - strText.count(QLatin1String("\r\n")));
}

// Edit and rich-edit panes differ in their widget class, their scroll unit and their kind.
template <typename TWidget>
class TextPane : public IOutputPane {
public:
    TextPane(TWidget* pWidget, int nKind) : m_pWidget(pWidget), m_nKind(nKind) {}

    int PaneKind() const override { return m_nKind; }
    bool Exists() const override { return !m_pWidget.isNull(); }

    void Configure() override {
        m_pWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_pWidget->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_pWidget->setLineWrapMode(TWidget::WidgetWidth);
        m_pWidget->document()->setUndoRedoEnabled(false);
        m_pWidget->update();
    }

    void DeleteHead(const QString& strRemoved, bool bScrollCaret) override {
        QTextCursor cursor(m_pWidget->document());
        cursor.setPosition(0);
        cursor.setPosition(
            qMin(DocumentLength(strRemoved), m_pWidget->document()->characterCount() - 1),
            QTextCursor::KeepAnchor);
        if (bScrollCaret) {
            m_pWidget->setTextCursor(cursor);
            m_pWidget->ensureCursorVisible();
        }
        cursor.removeSelectedText();
    }

    // For an edit pane in wrapped lines: its scroll bar counts them, a block count would not.
    int FirstVisibleLine() const override {
        if constexpr (std::is_same_v<TWidget, QPlainTextEdit>) {
            return m_pWidget->verticalScrollBar()->value();
        } else {
            return m_pWidget->cursorForPosition(QPoint(0, 0)).blockNumber();
        }
    }

    void InsertOnLastLine(const QString& strText, bool bAtLineEnd) override {
        QTextCursor cursor(m_pWidget->document());
        cursor.movePosition(QTextCursor::End);
        if (!bAtLineEnd) cursor.movePosition(QTextCursor::StartOfBlock);
        cursor.insertText(strText);
        m_pWidget->setTextCursor(cursor);
        m_pWidget->ensureCursorVisible();
    }

    void ScrollLines(int nLines) override {
        QScrollBar* pBar = m_pWidget->verticalScrollBar();
        pBar->setValue(pBar->value() + nLines * LineStep());
    }

    void ScrollToBottom() override {
        QScrollBar* pBar = m_pWidget->verticalScrollBar();
        pBar->setValue(pBar->maximum());
    }

    void Repaint() override { m_pWidget->viewport()->repaint(); }

private:
    // A plain-text edit scrolls by lines, a rich-text edit by pixels.
    int LineStep() const {
        if constexpr (std::is_same_v<TWidget, QPlainTextEdit>) {
            return 1;
        } else {
            return m_pWidget->fontMetrics().lineSpacing();
        }
    }

    QPointer<TWidget> m_pWidget;
    int m_nKind;
};

// A plain-text edit is an edit pane, a rich-text edit a rich edit pane, nothing else is a pane.
std::unique_ptr<IOutputPane> BindPane(QObject* pWnd) {
    if (auto* pEdit = qobject_cast<QPlainTextEdit*>(pWnd)) {
        return std::make_unique<TextPane<QPlainTextEdit>>(pEdit, 1);
    }
    if (auto* pRich = qobject_cast<QTextEdit*>(pWnd)) {
        return std::make_unique<TextPane<QTextEdit>>(pRich, 2);
    }
    return nullptr;
}

}  // namespace

void InstallPaneBinder() { SetPaneBinder(&BindPane); }
