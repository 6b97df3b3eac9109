#include "app/FlashBridge.h"

#include <QThread>

CFlashBridge::CFlashBridge(IFirmwarePrompts& prompts, QObject* pParent)
    : QObject(pParent), m_prompts(prompts) {}

bool CFlashBridge::AskYesNo(const QString& strQuestion) {
    if (QThread::currentThread() == thread()) return m_prompts.AskYesNo(strQuestion);
    bool bYes = false;
    QMetaObject::invokeMethod(
        this, [this, &bYes, strQuestion] { bYes = m_prompts.AskYesNo(strQuestion); },
        Qt::BlockingQueuedConnection);
    return bYes;
}

void CFlashBridge::Progress(const QString& strStep, std::int64_t nDone, std::int64_t nTotal) {
    Q_EMIT ProgressChanged(strStep, nDone, nTotal);  // queued to the window's thread
}
