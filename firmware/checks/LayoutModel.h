#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "firmware/checks/FirmwareVerify.h"

// What a picture of a merged image's layout shows on the flash's address axis.
enum class LayoutKind {
    BootCode,
    BootPadding,
    App,
    InfoBlock1,
    InfoBlock2,
    InfoStage,
    AppStage,
    FailedCheck
};

struct LayoutSpan {
    LayoutKind kind = LayoutKind::App;
    std::uint32_t dwStart = 0;  // an absolute address
    std::uint32_t dwLength = 0;
    QString strCheck;  // the name of a failed check
};

// The regions of a merged image at 0x08000000: the boot region's code and padding, the App
// from 0x08001000, both info blocks, the staging areas the App's block names, and a span for
// every failed check. nBootCode is the boot loader's length when it is known; -1 takes the
// region's trailing run of byFill as its padding.
std::vector<LayoutSpan> MergedLayout(const QByteArray& image, std::int64_t nBootCode,
                                     std::uint8_t byFill, const std::vector<VerifyCheck>& checks);

// The image a merge of the reference's boot loader and App builds, without touching the
// workspace.
QByteArray MergedImageOf(const VerifyReference& ref);
