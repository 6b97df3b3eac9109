#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// What a merged image is checked against besides its own blocks: the boot loader (its first
// 4096 bytes are enough) and the App it was merged from, and the merge's fill byte.
struct VerifyReference {
    bool bHasBoot = false;
    QByteArray boot;
    bool bHasApp = false;
    QByteArray app;
    std::uint8_t byFill = 0;
};

// One check and its finding; nOffset is the image offset a failed check points at, or -1.
struct VerifyCheck {
    QString strName;  // "length", "block1", "block2", "appPart", "bootRegion", "appBytes"
    bool bOk = false;
    QString strText;
    std::int64_t nOffset = -1;
};

// Every check of a merged firmware image, in a fixed order; the reference checks only when
// the reference has the file.
std::vector<VerifyCheck> VerifyFirmwareImage(const QByteArray& image, const VerifyReference& ref);

// "ok   TEXT" or "FAIL TEXT".
QString VerifyLine(const VerifyCheck& check);
