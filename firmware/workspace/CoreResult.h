#pragma once

#include <QString>
#include <cstdint>

// Why a step of the core (read, convert, inspect, merge, save, flash) was not done.
enum class CoreReason {
    None,
    OpenFailed,
    NotRegular,
    Locked,
    TooLarge,
    ReadFailed,
    Changed,
    BadName,
    ConvertFailed,
    Declined,
    NotMerged,
    AddressOverflow,
    ChecksDeclined,
    SaveFailed,
    // Talking to a module through its probe's GDB server
    UnknownServer,
    LinkFailed,
    ProtocolError,
    ServerRefused,
    VerifyFailed,
    Cancelled,
};

// What a step did: done, or its reason with the system's own words (as the run log writes them)
// and the line or address of the input that the words name. The run-log line, quorrix-cli's
// English and its JSON are all made from this one value.
struct CoreResult {
    CoreReason reason = CoreReason::None;
    QString strWords;
    int nLine = 0;  // 1 for the first line; 0 when no line is named
    bool bHasAddress = false;
    std::uint32_t dwAddress = 0;

    bool Done() const { return reason == CoreReason::None; }
    static CoreResult Failed(CoreReason reason, const QString& strWords, int nLine = 0) {
        CoreResult result;
        result.reason = reason;
        result.strWords = strWords;
        result.nLine = nLine;
        return result;
    }
};

// The reason for pipelines: a stable code ("open-failed", ...) and a short English text.
const char* ReasonCode(CoreReason reason);
QString ReasonEnglish(CoreReason reason);
