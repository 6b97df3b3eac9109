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

// What a step did: done, or its reason with the system's own words (as the run log writes them),
// the words it came with from outside (the system's for an open, the converter's for a build
// output), the sizes it names, and the line or address of the input that the words name. The
// run-log line, the window's text, quorrix-cli's English and its JSON are all made from this one
// value: the run log and the Chinese window from strWords, the rest from ResultEnglish.
struct CoreResult {
    CoreReason reason = CoreReason::None;
    QString strWords;
    QString strDetail;
    std::int64_t nCount = 0;  // TooLarge: the size and its limit; ReadFailed: bytes read and size
    std::int64_t nLimit = 0;
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

// The reason for pipelines: a stable code ("open-failed", ...).
const char* ReasonCode(CoreReason reason);

// The result in English: its reason's short text with the sizes it names and its outside words
// ("larger than allowed: 70000 bytes, more than 65536"; "cannot be opened: No such file").
QString ResultEnglish(const CoreResult& result);
