#pragma once

#include <QObject>
#include <atomic>

#include "firmware/probe/ProbeResult.h"
#include "firmware/workspace/Prompts.h"

// Between the core, which runs a flash on a worker thread, and the window on its own: the
// core's questions are asked on the window's thread (the worker waits for the answer), its
// progress arrives there as a signal, and a cancel is a flag the core asks between packets.
class CFlashBridge : public QObject, public IFirmwarePrompts, public IProbeProgress {
    Q_OBJECT
public:
    explicit CFlashBridge(IFirmwarePrompts& prompts, QObject* pParent = nullptr);

    bool AskYesNo(const QString& strQuestion) override;
    void Progress(const QString& strStep, std::int64_t nDone, std::int64_t nTotal) override;
    bool Cancelled() override { return m_bCancel; }

    void Cancel() { m_bCancel = true; }
    void Reset() { m_bCancel = false; }

Q_SIGNALS:
    void ProgressChanged(const QString& strStep, qint64 nDone, qint64 nTotal);

private:
    IFirmwarePrompts& m_prompts;
    std::atomic<bool> m_bCancel{false};
};
