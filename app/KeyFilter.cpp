// The main window's keyboard filter: keeps Enter and Escape away from the dialog's own
// handling and reports failures of the key pre-processing as alarm lines.
#include <QKeyEvent>
#include <new>

#include "app/QuorrixDlg.h"
#include "app/ReportAlarm.h"
#include "log/FileException.h"

namespace {

constexpr int ERROR_TEXT_LIMIT = 255;

QString AlarmText(const char* pFormatHead, const char* pWhat) {
    return QString::fromUtf8(pFormatHead) + QLatin1Char(' ') +
           QString::fromLocal8Bit(pWhat).left(ERROR_TEXT_LIMIT) + QLatin1String(" \r\n");
}

}  // namespace

bool CQuorrixDlg::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pEvent->type() != QEvent::KeyPress && pEvent->type() != QEvent::KeyRelease) return false;
    auto* pWidget = qobject_cast<QWidget*>(pWatched);
    // Only this window and its controls; the boxes it opens keep their usual keys.
    if (pWidget == nullptr || pWidget->window() != this) return false;
    return PreTranslateMessage(pWatched, pEvent);
}

void CQuorrixDlg::SetBasePreTranslate(std::function<bool(QObject*, QEvent*)> fnBase) {
    m_fnBasePreTranslate = std::move(fnBase);
}

bool CQuorrixDlg::PreTranslateMessage(QObject* pReceiver, QEvent* pEvent) {
    // Keys with Alt are system keys (Alt+Esc, Alt+F4): they go to the base processing.
    auto* pKey = pEvent->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(pEvent) : nullptr;
    if (pKey != nullptr && !(pKey->modifiers() & Qt::AltModifier)) {
        switch (pKey->key()) {
            case Qt::Key_Escape:
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Backspace:
                return false;  // to the focused control as an ordinary keystroke
            default:
                break;
        }
    }
    return GuardedBasePreTranslate(pReceiver, pEvent);
}

bool CQuorrixDlg::GuardedBasePreTranslate(QObject* pReceiver, QEvent* pEvent) {
    try {
        return m_fnBasePreTranslate ? m_fnBasePreTranslate(pReceiver, pEvent) : false;
    } catch (const std::bad_alloc& e) {
        ReportAlarm(AlarmText("程序 发生 内存 错误", e.what()));
    } catch (const CFileException& e) {
        ReportAlarm(AlarmText("程序 发生 文件 错误", e.what()));
    } catch (const std::exception& e) {
        ReportAlarm(AlarmText("程序 发生 C++ 错误", e.what()));
    } catch (...) {
        ReportAlarm(QStringLiteral("程序 发生未知错误 \r\n"));
    }
    return true;  // the event that failed is dropped
}
