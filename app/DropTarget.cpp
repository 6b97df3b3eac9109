#include "app/DropTarget.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "log/LogText.h"
#include "log/RunLog.h"

CDropTarget::CDropTarget(QList<QWidget*> controls, std::function<void(const QString&)> fnOpen,
                         QObject* pParent)
    : QObject(pParent), m_fnOpen(std::move(fnOpen)) {
    for (QWidget* pControl : controls) {
        pControl->setAcceptDrops(true);
        pControl->installEventFilter(this);
    }
}

bool CDropTarget::eventFilter(QObject* pWatched, QEvent* pEvent) {
    switch (pEvent->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* pDrag = static_cast<QDragMoveEvent*>(pEvent);
            if (!pDrag->mimeData()->hasUrls()) return false;  // text dragged within the edits
            pDrag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* pDrop = static_cast<QDropEvent*>(pEvent);
            if (!pDrop->mimeData()->hasUrls()) return false;
            pDrop->acceptProposedAction();
            Drop(pDrop->mimeData()->urls());
            return true;
        }
        default:
            return QObject::eventFilter(pWatched, pEvent);
    }
}

void CDropTarget::Drop(const QList<QUrl>& urls) {
    if (urls.size() != 1) {
        WriteLog(QString::asprintf("拖放 %d 个文件 = 失败, 一次只能打开一个文件",
                                   static_cast<int>(urls.size())));
        return;
    }
    const QString strPath = urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
    if (strPath.isEmpty() || QFileInfo(strPath).isDir()) {
        const QString strName = strPath.isEmpty() ? urls.first().toString() : strPath;
        WriteLog(QString::fromUtf8("拖放 File ") + PathForLog(strName) +
                 QString::fromUtf8(" = 失败, 不是文件"));
        return;
    }
    // Opened after the drop has ended, so that a question about the file does not keep the
    // program it was dragged from waiting.
    QTimer::singleShot(0, this, [this, strPath] { m_fnOpen(strPath); });
}
