#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "firmware/workspace/InputFile.h"

// What a merged image is checked against besides its own blocks: the boot loader (its first
// bytes, its whole length and what the rest holds, so that code past 4096 bytes shows), the App
// it was merged from, where each file started when it carried addresses, and the merge's fill
// byte. MergeReferenceOf (firmware/MergeReference.h) makes it from a workspace.
struct VerifyReference {
    bool bHasBoot = false;
    QByteArray boot;
    std::int64_t nBootLength = -1;  // the boot loader's whole length, when boot holds less
    TailScan bootTail;
    bool bHasApp = false;
    QByteArray app;
    std::uint8_t byFill = 0;
    bool bBootHasAddress = false;
    std::uint32_t dwBootStart = 0;
    bool bAppHasAddress = false;
    std::uint32_t dwAppStart = 0;
};

// A piece of a finding's text: a fixed English pattern with %1, %2 ... and the values that fill
// it, so that a window can say the same in its own language piece by piece.
struct TextPart {
    const char* pPattern;
    QStringList args;
};

// The pattern filled with its values.
QString PartText(const QString& strPattern, const QStringList& args);

// One check and its finding; nOffset is the image offset a failed check points at, or -1.
// A skipped check (a field it needs is missing) holds, and says why in strText. The layout
// checks also give their text as parts (strText is those parts filled and joined).
struct VerifyCheck {
    QString strName;  // "length", "block1", "block2", "appPart", "bootRegion", "appBytes", or
                      // a layout check's name (firmware/LayoutChecks.h)
    bool bOk = false;
    QString strText;
    std::int64_t nOffset = -1;
    bool bSkipped = false;
    std::vector<TextPart> parts{};
};

// A check whose text is its parts, each pattern filled with its values and joined.
VerifyCheck CheckFinding(const QString& strName, bool bOk, std::vector<TextPart> parts);

// Every check of a merged firmware image, in a fixed order; the reference checks only when
// the reference has the file; then the layout checks, with the boot loader when the reference
// has it, else with the image's first 4096 bytes. dwFileStart is where the image's file starts
// when it carries addresses.
std::vector<VerifyCheck> VerifyFirmwareImage(const QByteArray& image, const VerifyReference& ref,
                                             std::optional<std::uint32_t> dwFileStart = {});

// "ok   TEXT", "skip TEXT" or "FAIL TEXT".
QString VerifyLine(const VerifyCheck& check);
