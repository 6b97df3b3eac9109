#include "cli/CliProgress.h"

#include "cli/StderrPane.h"
#include "platform/Console.h"

CStderrProgress::CStderrProgress() : m_bShow(StderrIsTerminal()) {}

CStderrProgress::~CStderrProgress() {
    if (m_bShown) WriteStreamText(stderr, QStringLiteral("\n"));
}

void CStderrProgress::Progress(const QString& strStep, std::int64_t nDone, std::int64_t nTotal) {
    if (!m_bShow || nTotal <= 0) return;
    const int nPercent = static_cast<int>(nDone * 100 / nTotal);
    if (nPercent == m_nLastPercent && strStep == m_strLastStep) return;
    m_nLastPercent = nPercent;
    m_strLastStep = strStep;
    m_bShown = true;
    WriteStreamText(stderr, QStringLiteral("\r%1 %2% (%3 / %4 Bytes)   ")
                                .arg(strStep)
                                .arg(nPercent, 3)
                                .arg(nDone)
                                .arg(nTotal));
}

// Ctrl+C ends the process where it is; the marker comes last, so a module cut short that way
// stays in its boot loader.
bool CStderrProgress::Cancelled() { return false; }
