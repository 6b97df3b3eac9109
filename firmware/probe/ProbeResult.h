#pragma once

#include <QString>
#include <cstdint>

// What one step with a probe came to: done, or the step, the address and the reason why not,
// with the server's own words where it gave some. The run log, the JSON and the window all
// say it from this.
struct ProbeResult {
    enum class Reason { None, Usage, Link, Protocol, Server, Mismatch, Declined, Cancelled, File };
    bool bOk = true;
    Reason reason = Reason::None;
    QString strStep;  // "连接", "读取模块", "备份", "擦除", "写入", "校验", "标记", "复位", "断开"
    bool bHasAddress = false;
    std::uint32_t dwAddress = 0;
    QString strReason;
    QString strServer;  // the server's reply or its "O" text

    static ProbeResult Done() { return ProbeResult(); }
    static ProbeResult Failed(Reason reason, const QString& strStep, const QString& strReason,
                              const QString& strServer = QString());
    // The same failure at an address.
    ProbeResult At(std::uint32_t dwAddress) const;

    // "STEP 0xADDRESS: REASON (服务器: WORDS)" or "" when done.
    QString Text() const;
    // A code for the JSON: "link", "protocol", "server", "mismatch", "declined", ...
    QString Code() const;
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
