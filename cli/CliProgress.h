#pragma once

#include "firmware/probe/ProbeResult.h"

// The progress of a step on standard error, redrawn in place, only when it is a terminal.
class CStderrProgress : public IProbeProgress {
public:
    CStderrProgress();
    ~CStderrProgress() override;
    void Progress(const QString& strStep, std::int64_t nDone, std::int64_t nTotal) override;
    bool Cancelled() override;

private:
    bool m_bShow;
    bool m_bShown = false;
    int m_nLastPercent = -1;
    QString m_strLastStep;
};
