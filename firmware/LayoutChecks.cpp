#include "firmware/LayoutChecks.h"

#include <QStringList>
#include <algorithm>
#include <optional>

namespace {

// Lengths and addresses are added in 64 bits, so that an end near 0xFFFFFFFF never wraps
// round into a pass.
constexpr std::uint64_t APP_START = MERGED_APP_ADDRESS;
constexpr std::uint64_t BOOT_END = APP_ADDRESS_BASE + BOOT_REGION_SIZE;
constexpr std::uint32_t STACK_LOW = 0x10000000;
constexpr std::uint32_t STACK_HIGH = 0x3FFFFFFF;
constexpr auto REGION = static_cast<qsizetype>(BOOT_REGION_SIZE);

VerifyCheck Finding(const char* pName, bool bOk, const QString& strText) {
    return {QString::fromLatin1(pName), bOk, strText};
}

VerifyCheck Skipped(const char* pName, const char* pSubject, const char* pWhy) {
    VerifyCheck check = Finding(pName, true, QString::asprintf("%s: skipped, %s", pSubject, pWhy));
    check.bSkipped = true;
    return check;
}

// The block at 0x100 of an image, when the image holds it whole and it carries the marker.
std::optional<FirmwareInfoBlock> BlockOf(const QByteArray& image) {
    if (image.size() < static_cast<qsizetype>(INFO_BLOCK1_OFFSET + INFO_BLOCK_LENGTH)) return {};
    const auto block = FirmwareInfoBlock::Read(
        reinterpret_cast<const unsigned char*>(image.constData()), INFO_BLOCK1_OFFSET);
    if (!block.HasMarker()) return {};
    return block;
}

constexpr const char* NO_BOOT_BLOCK = "the boot loader has no info block";
constexpr const char* NO_APP_BLOCK = "the App has no info block";

VerifyCheck CheckBootCut(const LayoutInput& input) {
    const char* pSubject = "boot loader cut";
    if (!input.bBootWhole)
        return Skipped("bootCut", pSubject, "the image holds only its first 4096 bytes");
    const QByteArray& boot = input.boot;
    const auto nLength = static_cast<long long>(boot.size());
    if (boot.size() <= REGION) {
        return Finding(
            "bootCut", true,
            QString::asprintf("%s: %lld bytes, within the 4096-byte region", pSubject, nLength));
    }
    const auto it = std::find_if(boot.begin() + REGION, boot.end(),
                                 [](char c) { return c != '\0' && c != '\xFF'; });
    if (it == boot.end()) {
        return Finding(
            "bootCut", true,
            QString::asprintf("%s: %lld bytes, only 0x00 and 0xFF past 4096", pSubject, nLength));
    }
    return Finding(
        "bootCut", false,
        QString::asprintf("%s: %lld bytes, code past 4096 is cut off: 0x%02X at 0x%04llX", pSubject,
                          nLength, static_cast<std::uint8_t>(*it),
                          static_cast<long long>(it - boot.begin())));
}

VerifyCheck CheckAppAddress(const std::optional<FirmwareInfoBlock>& app) {
    if (!app) return Skipped("appAddress", "App address", NO_APP_BLOCK);
    const bool bOk = app->dwAppAddress == MERGED_APP_ADDRESS;
    QString strText = QString::asprintf("App address 0x%08X in its block, ", app->dwAppAddress);
    strText +=
        bOk ? QStringLiteral("where the merge places the App")
            : QString::asprintf("but the merge places the App at 0x%08X", MERGED_APP_ADDRESS);
    return Finding("appAddress", bOk, strText);
}

VerifyCheck CheckBootTarget(const std::optional<FirmwareInfoBlock>& boot,
                            const std::optional<FirmwareInfoBlock>& app) {
    const char* pSubject = "boot loader's App address";
    if (!boot) return Skipped("bootTarget", pSubject, NO_BOOT_BLOCK);
    if (!app) return Skipped("bootTarget", pSubject, NO_APP_BLOCK);
    const bool bOk = boot->dwAppAddress == app->dwAppAddress;
    QString strText =
        QString::asprintf("boot loader starts the App at 0x%08X, ", boot->dwAppAddress);
    strText += bOk ? QStringLiteral("the address in the App's block")
                   : QString::asprintf("but the App's block says 0x%08X", app->dwAppAddress);
    return Finding("bootTarget", bOk, strText);
}

VerifyCheck CheckAppStaging(const QByteArray& appImage,
                            const std::optional<FirmwareInfoBlock>& app) {
    if (!app) return Skipped("appStaging", "App staging areas", NO_APP_BLOCK);
    const std::uint64_t qwEnd = APP_START + static_cast<std::uint64_t>(appImage.size());
    const std::pair<const char*, std::uint32_t> areas[] = {
        {"info staging area", app->dwInfoStageAddress},
        {"App staging area", app->dwAppStageAddress}};
    QStringList hits;
    for (const auto& [pArea, dwStart] : areas) {
        if (dwStart > APP_START && qwEnd > dwStart) {
            hits << QString::asprintf("the %s at 0x%08X", pArea, dwStart);
        }
    }
    const auto nEnd = static_cast<unsigned long long>(qwEnd);
    if (!hits.isEmpty()) {
        return Finding("appStaging", false,
                       QString::asprintf("App end 0x%08llX runs into ", nEnd) +
                           hits.join(QStringLiteral(" and ")));
    }
    return Finding("appStaging", true,
                   QString::asprintf("App end 0x%08llX: no staging area above 0x%08X starts before "
                                     "it (info 0x%08X, App 0x%08X)",
                                     nEnd, MERGED_APP_ADDRESS, app->dwInfoStageAddress,
                                     app->dwAppStageAddress));
}

// The first two words of a Cortex-M image: the initial stack pointer, in SRAM and word-aligned,
// and the reset handler, a Thumb address (odd) inside [qwLow, qwEnd).
VerifyCheck CheckVectors(const char* pName, const char* pWhose, const QByteArray& image,
                         std::uint64_t qwLow, std::uint64_t qwEnd) {
    if (image.size() < 8) {
        return Finding(pName, false,
                       QString::asprintf("%s vectors: %lld bytes, too short for the stack pointer "
                                         "and the reset address",
                                         pWhose, static_cast<long long>(image.size())));
    }
    const auto* p = reinterpret_cast<const unsigned char*>(image.constData());
    const std::uint32_t dwStack = DoubleWord(p);
    const std::uint32_t dwReset = DoubleWord(p + 4);
    const auto nLow = static_cast<unsigned long long>(qwLow);
    const auto nLast = static_cast<unsigned long long>(qwEnd - 1);
    QStringList faults;
    if (dwStack % 4 != 0) faults << QStringLiteral("stack not word-aligned");
    if (dwStack < STACK_LOW || dwStack > STACK_HIGH)
        faults << QString::asprintf("stack outside 0x%08X-0x%08X", STACK_LOW, STACK_HIGH);
    if (dwReset % 2 == 0) faults << QStringLiteral("reset address even");
    if (dwReset < qwLow || dwReset >= qwEnd)
        faults << QString::asprintf("reset address outside 0x%08llX-0x%08llX", nLow, nLast);
    const QString strHead =
        QString::asprintf("%s vectors: stack 0x%08X, reset 0x%08X", pWhose, dwStack, dwReset);
    if (!faults.isEmpty()) {
        return Finding(pName, false,
                       strHead + QStringLiteral(", not a Cortex-M table: ") +
                           faults.join(QStringLiteral(", ")));
    }
    return Finding(pName, true,
                   strHead + QString::asprintf(": stack word-aligned in 0x%08X-0x%08X, reset odd "
                                               "in 0x%08llX-0x%08llX",
                                               STACK_LOW, STACK_HIGH, nLow, nLast));
}

// Only for inputs that say where they start: B at the flash base, A at its own App address.
std::optional<VerifyCheck> CheckStartAddress(const LayoutInput& input,
                                             const std::optional<FirmwareInfoBlock>& app) {
    if (!input.bBootHasAddress && !input.bAppHasAddress) return {};
    QStringList found, faults;
    if (input.bBootHasAddress) {
        const bool bOk = input.dwBootStart == APP_ADDRESS_BASE;
        (bOk ? found : faults) << QString::asprintf(
            "boot loader file starts at 0x%08X%s 0x%08X", input.dwBootStart,
            bOk ? ", at the flash base" : ", not at the flash base", APP_ADDRESS_BASE);
    }
    if (input.bAppHasAddress && app) {
        const bool bOk = input.dwAppStart == app->dwAppAddress;
        (bOk ? found : faults) << QString::asprintf(
            "App file starts at 0x%08X, %s 0x%08X", input.dwAppStart,
            bOk ? "its App address" : "not at its App address", app->dwAppAddress);
    } else if (input.bAppHasAddress) {
        if (!input.bBootHasAddress) return Skipped("startAddress", "start address", NO_APP_BLOCK);
        found << QStringLiteral("App file's start not checked, ") + QLatin1String(NO_APP_BLOCK);
    }
    const bool bOk = faults.isEmpty();
    return Finding(
        "startAddress", bOk,
        QStringLiteral("start address: ") + (bOk ? found : faults).join(QStringLiteral("; ")));
}

}  // namespace

std::vector<VerifyCheck> CheckLayout(const LayoutInput& input) {
    const auto boot = BlockOf(input.boot);
    const auto app = BlockOf(input.app);
    std::vector<VerifyCheck> checks = {
        CheckBootCut(input),
        CheckAppAddress(app),
        CheckBootTarget(boot, app),
        CheckAppStaging(input.app, app),
        CheckVectors("bootVectors", "boot loader", input.boot, APP_ADDRESS_BASE, BOOT_END),
        CheckVectors("appVectors", "App", input.app, APP_START,
                     APP_START + static_cast<std::uint64_t>(input.app.size()))};
    if (auto start = CheckStartAddress(input, app)) checks.push_back(*start);
    return checks;
}
