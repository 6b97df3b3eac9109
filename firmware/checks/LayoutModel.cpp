#include "firmware/checks/LayoutModel.h"

#include <algorithm>

#include "firmware/checks/BootRegion.h"
#include "firmware/checks/InfoBlock.h"

namespace {

constexpr auto REGION = static_cast<qsizetype>(BOOT_REGION_SIZE);

std::uint32_t Address(qsizetype nOffset) {
    return APP_ADDRESS_BASE + static_cast<std::uint32_t>(nOffset);
}

qsizetype BootCodeLength(const QByteArray& image, std::int64_t nBootCode, std::uint8_t byFill) {
    const qsizetype nRegion = std::min(image.size(), REGION);
    if (nBootCode >= 0) return std::min<qsizetype>(nRegion, nBootCode);
    qsizetype n = nRegion;
    while (n > 0 && static_cast<std::uint8_t>(image[n - 1]) == byFill) --n;
    return n;
}

void AddStages(std::vector<LayoutSpan>& spans, const QByteArray& image) {
    if (image.size() < static_cast<qsizetype>(INFO_BLOCK2_OFFSET + INFO_BLOCK_LENGTH)) return;
    const auto block = FirmwareInfoBlock::Read(
        reinterpret_cast<const unsigned char*>(image.constData()), INFO_BLOCK2_OFFSET);
    if (!block.HasMarker()) return;
    // An address of 0 is a field the App leaves unset.
    if (block.dwInfoStageAddress != 0) {
        spans.push_back({LayoutKind::InfoStage,
                         block.dwInfoStageAddress,
                         static_cast<std::uint32_t>(INFO_BLOCK_LENGTH),
                         {}});
    }
    if (block.dwAppStageAddress != 0) {
        spans.push_back({LayoutKind::AppStage,
                         block.dwAppStageAddress,
                         static_cast<std::uint32_t>(image.size() - REGION),
                         {}});
    }
}

// The region a check without an offset speaks of; the whole image for a check it cannot place.
LayoutKind RegionOfCheck(const QString& strName) {
    if (strName == QLatin1String("block1")) return LayoutKind::InfoBlock1;
    if (strName == QLatin1String("block2")) return LayoutKind::InfoBlock2;
    if (strName == QLatin1String("appStaging")) return LayoutKind::AppStage;
    if (strName.startsWith(QLatin1String("boot"))) return LayoutKind::BootCode;
    return LayoutKind::App;
}

LayoutSpan FailedSpan(const std::vector<LayoutSpan>& spans, const VerifyCheck& check,
                      const QByteArray& image) {
    if (check.nOffset >= 0 && check.nOffset <= 0xFFFFFFFF - APP_ADDRESS_BASE) {
        return {LayoutKind::FailedCheck, Address(check.nOffset), 1, check.strName};
    }
    const LayoutKind kind = RegionOfCheck(check.strName);
    const auto it = std::find_if(spans.begin(), spans.end(),
                                 [kind](const LayoutSpan& s) { return s.kind == kind; });
    if (it != spans.end())
        return {LayoutKind::FailedCheck, it->dwStart, it->dwLength, check.strName};
    return {LayoutKind::FailedCheck, APP_ADDRESS_BASE, static_cast<std::uint32_t>(image.size()),
            check.strName};
}

}  // namespace

std::vector<LayoutSpan> MergedLayout(const QByteArray& image, std::int64_t nBootCode,
                                     std::uint8_t byFill, const std::vector<VerifyCheck>& checks) {
    std::vector<LayoutSpan> spans;
    const qsizetype nRegion = std::min(image.size(), REGION);
    const qsizetype nCode = BootCodeLength(image, nBootCode, byFill);
    if (nCode > 0)
        spans.push_back({LayoutKind::BootCode, Address(0), Address(nCode) - Address(0), {}});
    if (nRegion > nCode) {
        spans.push_back({LayoutKind::BootPadding,
                         Address(nCode),
                         static_cast<std::uint32_t>(nRegion - nCode),
                         {}});
    }
    if (image.size() > REGION) {
        spans.push_back({LayoutKind::App,
                         Address(REGION),
                         static_cast<std::uint32_t>(image.size() - REGION),
                         {}});
    }
    const auto nLength = static_cast<qsizetype>(INFO_BLOCK_LENGTH);
    if (image.size() >= static_cast<qsizetype>(INFO_BLOCK1_OFFSET) + nLength) {
        spans.push_back({LayoutKind::InfoBlock1,
                         Address(INFO_BLOCK1_OFFSET),
                         static_cast<std::uint32_t>(nLength),
                         {}});
    }
    if (image.size() >= static_cast<qsizetype>(INFO_BLOCK2_OFFSET) + nLength) {
        spans.push_back({LayoutKind::InfoBlock2,
                         Address(INFO_BLOCK2_OFFSET),
                         static_cast<std::uint32_t>(nLength),
                         {}});
    }
    AddStages(spans, image);
    const std::vector<LayoutSpan> regions = spans;
    for (const VerifyCheck& check : checks) {
        if (!check.bOk) spans.push_back(FailedSpan(regions, check, image));
    }
    return spans;
}

QByteArray MergedImageOf(const VerifyReference& ref) {
    return BootRegionOf(ref.boot, ref.byFill) + ref.app;
}
