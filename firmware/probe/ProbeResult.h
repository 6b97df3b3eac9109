#pragma once

#include <QString>
#include <cstdint>

#include "firmware/workspace/CoreResult.h"

// What one step with a probe came to: the core's result (its reason, the system's words, the
// address), with the step and the server's own words where it gave some. The run log, the
// JSON and the window all say it from this.
struct ProbeResult : CoreResult {
    QString strStep;  // "连接", "读取模块", "备份", "擦除", "写入", "校验", "标记", "复位", "断开"
    QString strServer;  // the server's reply or its "O" text

    static ProbeResult Failed(CoreReason reason, const QString& strStep, const QString& strWords,
                              const QString& strServer = QString());
    // A step of the core's that failed before the module was reached (reading the image), whole.
    static ProbeResult Of(const CoreResult& result, const QString& strStep);
    // The same failure at an address.
    ProbeResult At(std::uint32_t dwAddress) const;

    // "STEP 0xADDRESS: WORDS (服务器: SERVER)" or "" when done.
    QString Text() const;
};

// Progress of a long step and the user's cancel, asked between packets.
class IProbeProgress {
public:
    virtual ~IProbeProgress() = default;
    virtual void Progress(const QString& strStep, std::int64_t nDone, std::int64_t nTotal) = 0;
    virtual bool Cancelled() = 0;
};

// No progress shown, never cancelled.
class CNoProgress : public IProbeProgress {
public:
    void Progress(const QString&, std::int64_t, std::int64_t) override {}
    bool Cancelled() override { return false; }
};
