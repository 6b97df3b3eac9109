#include "firmware/checks/LayoutChecks.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "firmware/formats/ImageChunks.h"

namespace {

// Lengths and addresses are added in 64 bits, so that an end near 0xFFFFFFFF never wraps
// round into a pass.
constexpr std::uint64_t APP_START = MERGED_APP_ADDRESS;
constexpr std::uint64_t BOOT_END = APP_ADDRESS_BASE + BOOT_REGION_SIZE;
constexpr std::uint32_t STACK_LOW = 0x10000000;
constexpr std::uint32_t STACK_HIGH = 0x3FFFFFFF;
constexpr auto REGION = static_cast<qsizetype>(BOOT_REGION_SIZE);

using Parts = std::vector<TextPart>;

// The parts of a finding; the patterns are marked for the window's translations of them.
VerifyCheck Finding(const char* pName, bool bOk, Parts parts) {
    return CheckFinding(QString::fromLatin1(pName), bOk, std::move(parts));
}

VerifyCheck Skipped(const char* pName, const char* pSubject, const char* pWhy) {
    VerifyCheck check = Finding(
        pName, true,
        {{pSubject, {}}, {QT_TRANSLATE_NOOP("LayoutChecks", ": skipped, "), {}}, {pWhy, {}}});
    check.bSkipped = true;
    return check;
}

// Parts joined by a separator part.
void AppendJoined(Parts& parts, const Parts& items, const char* pSeparator) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) parts.push_back({pSeparator, {}});
        parts.push_back(items[i]);
    }
}

// The block at 0x100 of an image, when the image holds it whole and it carries the marker.
std::optional<FirmwareInfoBlock> BlockOf(const QByteArray& image) {
    if (image.size() < static_cast<qsizetype>(INFO_BLOCK1_OFFSET + INFO_BLOCK_LENGTH)) return {};
    const auto block = FirmwareInfoBlock::Read(
        reinterpret_cast<const unsigned char*>(image.constData()), INFO_BLOCK1_OFFSET);
    if (!block.HasMarker()) return {};
    return block;
}

constexpr const char* NO_BOOT_BLOCK =
    QT_TRANSLATE_NOOP("LayoutChecks", "the boot loader has no info block");
constexpr const char* NO_APP_BLOCK = QT_TRANSLATE_NOOP("LayoutChecks", "the App has no info block");

VerifyCheck CodeCutOff(const QString& strLength, std::uint8_t byCode, std::int64_t nAt) {
    return Finding(
        "bootCut", false,
        {{QT_TRANSLATE_NOOP("LayoutChecks",
                            "boot loader cut: %1 bytes, code past 4096 is cut off: %2 at %3"),
          {strLength, QString::asprintf("0x%02X", byCode),
           QString::asprintf("0x%04llX", static_cast<long long>(nAt))}}});
}

// Over the whole of B: the bytes at hand, then what the scan of the rest found.
VerifyCheck CheckBootCut(const LayoutInput& input) {
    if (!input.bBootWhole) {
        return Skipped(
            "bootCut", QT_TRANSLATE_NOOP("LayoutChecks", "boot loader cut"),
            QT_TRANSLATE_NOOP("LayoutChecks", "the image holds only its first 4096 bytes"));
    }
    const QByteArray& boot = input.boot;
    const std::int64_t nLength = qMax<std::int64_t>(input.nBootLength, boot.size());
    const QString strLength = QString::number(nLength);
    if (nLength <= REGION) {
        return Finding(
            "bootCut", true,
            {{QT_TRANSLATE_NOOP("LayoutChecks",
                                "boot loader cut: %1 bytes, within the 4096-byte region"),
              {strLength}}});
    }
    TailScan found;
    const qsizetype nFrom = qMin(REGION, boot.size());
    ScanTail(boot.constData() + nFrom, boot.size() - nFrom, nFrom, found);
    if (found.nCodeAt >= 0) return CodeCutOff(strLength, found.byCode, found.nCodeAt);
    if (nLength > boot.size() && !input.bootTail.bScanned) {
        return Finding("bootCut", false,
                       {{QT_TRANSLATE_NOOP("LayoutChecks",
                                           "boot loader cut: %1 bytes, longer than 64 MiB, not "
                                           "checked"),
                         {strLength}}});
    }
    if (nLength > boot.size() && input.bootTail.nCodeAt >= 0)
        return CodeCutOff(strLength, input.bootTail.byCode, input.bootTail.nCodeAt);
    return Finding("bootCut", true,
                   {{QT_TRANSLATE_NOOP("LayoutChecks",
                                       "boot loader cut: %1 bytes, only 0x00 and 0xFF past 4096"),
                     {strLength}}});
}

VerifyCheck CheckAppAddress(const std::optional<FirmwareInfoBlock>& app) {
    if (!app) {
        return Skipped("appAddress", QT_TRANSLATE_NOOP("LayoutChecks", "App address"),
                       NO_APP_BLOCK);
    }
    const bool bOk = app->dwAppAddress == MERGED_APP_ADDRESS;
    Parts parts{{QT_TRANSLATE_NOOP("LayoutChecks", "App address %1 in its block, "),
                 {AddressText(app->dwAppAddress)}}};
    parts.push_back(
        bOk ? TextPart{QT_TRANSLATE_NOOP("LayoutChecks", "where the merge places the App"), {}}
            : TextPart{QT_TRANSLATE_NOOP("LayoutChecks", "but the merge places the App at %1"),
                       {AddressText(MERGED_APP_ADDRESS)}});
    return Finding("appAddress", bOk, parts);
}

VerifyCheck CheckBootTarget(const std::optional<FirmwareInfoBlock>& boot,
                            const std::optional<FirmwareInfoBlock>& app) {
    const char* pSubject = QT_TRANSLATE_NOOP("LayoutChecks", "boot loader's App address");
    if (!boot) return Skipped("bootTarget", pSubject, NO_BOOT_BLOCK);
    if (!app) return Skipped("bootTarget", pSubject, NO_APP_BLOCK);
    const bool bOk = boot->dwAppAddress == app->dwAppAddress;
    Parts parts{{QT_TRANSLATE_NOOP("LayoutChecks", "boot loader starts the App at %1, "),
                 {AddressText(boot->dwAppAddress)}}};
    parts.push_back(
        bOk ? TextPart{QT_TRANSLATE_NOOP("LayoutChecks", "the address in the App's block"), {}}
            : TextPart{QT_TRANSLATE_NOOP("LayoutChecks", "but the App's block says %1"),
                       {AddressText(app->dwAppAddress)}});
    return Finding("bootTarget", bOk, parts);
}

VerifyCheck CheckAppStaging(const QByteArray& appImage,
                            const std::optional<FirmwareInfoBlock>& app) {
    if (!app) {
        return Skipped("appStaging", QT_TRANSLATE_NOOP("LayoutChecks", "App staging areas"),
                       NO_APP_BLOCK);
    }
    const std::uint64_t qwEnd = APP_START + static_cast<std::uint64_t>(appImage.size());
    const std::pair<const char*, std::uint32_t> areas[] = {
        {QT_TRANSLATE_NOOP("LayoutChecks", "the info staging area at %1"), app->dwInfoStageAddress},
        {QT_TRANSLATE_NOOP("LayoutChecks", "the App staging area at %1"), app->dwAppStageAddress}};
    Parts hits;
    for (const auto& [pArea, dwStart] : areas) {
        if (dwStart > APP_START && qwEnd > dwStart) hits.push_back({pArea, {AddressText(dwStart)}});
    }
    if (!hits.empty()) {
        Parts parts{
            {QT_TRANSLATE_NOOP("LayoutChecks", "App end %1 runs into "), {AddressText(qwEnd)}}};
        AppendJoined(parts, hits, QT_TRANSLATE_NOOP("LayoutChecks", " and "));
        return Finding("appStaging", false, parts);
    }
    return Finding("appStaging", true,
                   {{QT_TRANSLATE_NOOP("LayoutChecks",
                                       "App end %1: no staging area above %2 starts before it "
                                       "(info %3, App %4)"),
                     {AddressText(qwEnd), AddressText(MERGED_APP_ADDRESS),
                      AddressText(app->dwInfoStageAddress), AddressText(app->dwAppStageAddress)}}});
}

// The patterns of one image's vector check: the boot loader's or the App's.
struct VectorTexts {
    const char* pName;
    const char* pTooShort;
    const char* pHead;
};

// The first two words of a Cortex-M image: the initial stack pointer, in SRAM and word-aligned,
// and the reset handler, a Thumb address (odd) inside [qwLow, qwEnd).
VerifyCheck CheckVectors(const VectorTexts& texts, const QByteArray& image, std::uint64_t qwLow,
                         std::uint64_t qwEnd) {
    if (image.size() < 8)
        return Finding(texts.pName, false, {{texts.pTooShort, {QString::number(image.size())}}});
    const auto* p = reinterpret_cast<const unsigned char*>(image.constData());
    const std::uint32_t dwStack = DoubleWord(p);
    const std::uint32_t dwReset = DoubleWord(p + 4);
    Parts faults;
    if (dwStack % 4 != 0)
        faults.push_back({QT_TRANSLATE_NOOP("LayoutChecks", "stack not word-aligned"), {}});
    if (dwStack < STACK_LOW || dwStack > STACK_HIGH) {
        faults.push_back({QT_TRANSLATE_NOOP("LayoutChecks", "stack outside %1-%2"),
                          {AddressText(STACK_LOW), AddressText(STACK_HIGH)}});
    }
    if (dwReset % 2 == 0)
        faults.push_back({QT_TRANSLATE_NOOP("LayoutChecks", "reset address even"), {}});
    if (dwReset < qwLow || dwReset >= qwEnd) {
        faults.push_back({QT_TRANSLATE_NOOP("LayoutChecks", "reset address outside %1-%2"),
                          {AddressText(qwLow), AddressText(qwEnd - 1)}});
    }
    Parts parts{{texts.pHead, {AddressText(dwStack), AddressText(dwReset)}}};
    if (!faults.empty()) {
        parts.push_back({QT_TRANSLATE_NOOP("LayoutChecks", ", not a Cortex-M table: "), {}});
        AppendJoined(parts, faults, QT_TRANSLATE_NOOP("LayoutChecks", ", "));
        return Finding(texts.pName, false, parts);
    }
    parts.push_back(
        {QT_TRANSLATE_NOOP("LayoutChecks", ": stack word-aligned in %1-%2, reset odd in %3-%4"),
         {AddressText(STACK_LOW), AddressText(STACK_HIGH), AddressText(qwLow),
          AddressText(qwEnd - 1)}});
    return Finding(texts.pName, true, parts);
}

// One file's start: a part of the found ones when it is where it belongs, else of the faults.
void AddStart(Parts& found, Parts& faults, bool bOk, const char* pOk, const char* pFault,
              QStringList args) {
    (bOk ? found : faults).push_back({bOk ? pOk : pFault, std::move(args)});
}

// Only for files that say where they start: a merged file and B at the flash base, A at its
// own App address.
std::optional<VerifyCheck> CheckStartAddress(const LayoutInput& input,
                                             const std::optional<FirmwareInfoBlock>& app) {
    if (!input.bBootHasAddress && !input.bAppHasAddress && !input.bFileHasAddress) return {};
    Parts found, faults;
    const QString strBase = AddressText(APP_ADDRESS_BASE);
    if (input.bFileHasAddress) {
        AddStart(
            found, faults, input.dwFileStart == APP_ADDRESS_BASE,
            QT_TRANSLATE_NOOP("LayoutChecks", "merged file starts at %1, at the flash base %2"),
            QT_TRANSLATE_NOOP("LayoutChecks", "merged file starts at %1, not at the flash base %2"),
            {AddressText(input.dwFileStart), strBase});
    }
    if (input.bBootHasAddress) {
        AddStart(found, faults, input.dwBootStart == APP_ADDRESS_BASE,
                 QT_TRANSLATE_NOOP("LayoutChecks",
                                   "boot loader file starts at %1, at the flash base %2"),
                 QT_TRANSLATE_NOOP("LayoutChecks",
                                   "boot loader file starts at %1, not at the flash base %2"),
                 {AddressText(input.dwBootStart), strBase});
    }
    if (input.bAppHasAddress && app) {
        AddStart(
            found, faults, input.dwAppStart == app->dwAppAddress,
            QT_TRANSLATE_NOOP("LayoutChecks", "App file starts at %1, its App address %2"),
            QT_TRANSLATE_NOOP("LayoutChecks", "App file starts at %1, not at its App address %2"),
            {AddressText(input.dwAppStart), AddressText(app->dwAppAddress)});
    } else if (input.bAppHasAddress) {
        if (!input.bBootHasAddress && !input.bFileHasAddress) {
            return Skipped("startAddress", QT_TRANSLATE_NOOP("LayoutChecks", "start address"),
                           NO_APP_BLOCK);
        }
        found.push_back({QT_TRANSLATE_NOOP("LayoutChecks",
                                           "App file's start not checked, the App has no info "
                                           "block"),
                         {}});
    }
    const bool bOk = faults.empty();
    Parts parts{{QT_TRANSLATE_NOOP("LayoutChecks", "start address: "), {}}};
    AppendJoined(parts, bOk ? found : faults, QT_TRANSLATE_NOOP("LayoutChecks", "; "));
    return Finding("startAddress", bOk, parts);
}

const VectorTexts BOOT_VECTORS{
    "bootVectors",
    QT_TRANSLATE_NOOP(
        "LayoutChecks",
        "boot loader vectors: %1 bytes, too short for the stack pointer and the reset "
        "address"),
    QT_TRANSLATE_NOOP("LayoutChecks", "boot loader vectors: stack %1, reset %2")};
const VectorTexts APP_VECTORS{
    "appVectors",
    QT_TRANSLATE_NOOP(
        "LayoutChecks",
        "App vectors: %1 bytes, too short for the stack pointer and the reset address"),
    QT_TRANSLATE_NOOP("LayoutChecks", "App vectors: stack %1, reset %2")};

}  // namespace

std::vector<VerifyCheck> CheckLayout(const LayoutInput& input) {
    const auto boot = BlockOf(input.boot);
    const auto app = BlockOf(input.app);
    std::vector<VerifyCheck> checks = {
        CheckBootCut(input),
        CheckAppAddress(app),
        CheckBootTarget(boot, app),
        CheckAppStaging(input.app, app),
        CheckVectors(BOOT_VECTORS, input.boot, APP_ADDRESS_BASE, BOOT_END),
        CheckVectors(APP_VECTORS, input.app, APP_START,
                     APP_START + static_cast<std::uint64_t>(input.app.size()))};
    if (auto start = CheckStartAddress(input, app)) checks.push_back(*start);
    return checks;
}
