#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// What a merged image is checked against besides its own blocks: the boot loader (as much of
// it as a merge reads, so that code past 4096 bytes shows) and the App it was merged from, and
// the merge's fill byte.
struct VerifyReference {
    bool bHasBoot = false;
    QByteArray boot;
    bool bHasApp = false;
    QByteArray app;
    std::uint8_t byFill = 0;
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

// Every check of a merged firmware image, in a fixed order; the reference checks only when
// the reference has the file; then the layout checks, with the boot loader when the reference
// has it, else with the image's first 4096 bytes.
std::vector<VerifyCheck> VerifyFirmwareImage(const QByteArray& image, const VerifyReference& ref);

// "ok   TEXT", "skip TEXT" or "FAIL TEXT".
QString VerifyLine(const VerifyCheck& check);
