#include "firmware/checks/FirmwareVerify.h"

#include <algorithm>
#include <cstring>

#include "firmware/checks/BootRegion.h"
#include "firmware/checks/InfoBlock.h"
#include "firmware/checks/LayoutChecks.h"
#include "firmware/checks/MergeReference.h"
#include "firmware/workspace/Workspace.h"

namespace {

constexpr auto REGION = static_cast<qsizetype>(BOOT_REGION_SIZE);

QString Hex(std::int64_t n, int nDigits) {
    return QString::asprintf("0x%0*llX", nDigits, static_cast<long long>(n));
}

QString Number(std::int64_t n) { return QString::number(n); }

// A finding of a verify check in parts, so that the window can word it piece by piece.
VerifyCheck VerifyFinding(const char* pName, bool bOk, std::vector<TextPart> parts,
                          std::int64_t nOffset = -1) {
    VerifyCheck check = CheckFinding(QString::fromLatin1(pName), bOk, std::move(parts));
    check.nOffset = bOk ? -1 : nOffset;
    return check;
}

std::uint8_t ByteAt(const QByteArray& bytes, qsizetype n) {
    return static_cast<std::uint8_t>(bytes[n]);
}

VerifyCheck CheckLength(const QByteArray& image) {
    const bool bOk = image.size() > REGION;
    return VerifyFinding("length", bOk,
                         {{bOk ? "length: %1 bytes, longer than 4096"
                               : "length: %1 bytes, no App part: not longer than 4096",
                           {Number(image.size())}}},
                         image.size());
}

// What type word a block holds, for a block of the other kind.
const char* KindOf(const FirmwareInfoBlock& b) {
    return b.IsBootLoaderType() ? "a boot-loader type"
           : b.IsAppType()      ? "an App type"
                                : "an unknown type";
}

// Block nNumber at nOffset must carry the marker and a type of the wanted kind.
VerifyCheck CheckBlock(const QByteArray& image, int nNumber, std::size_t nOffset, bool bBootKind) {
    const QByteArray name = QByteArray("block") + QByteArray::number(nNumber);
    const auto nAt = static_cast<std::int64_t>(nOffset);
    const TextPart head{"block %1 at %2: ", {Number(nNumber), Hex(nAt, 4)}};
    const auto nEnd = static_cast<qsizetype>(nOffset + INFO_BLOCK_LENGTH);
    if (image.size() < nEnd) {
        return VerifyFinding(name.constData(), false,
                             {head, {"cut off, the file ends at %1", {Hex(image.size(), 4)}}},
                             image.size());
    }
    const auto b =
        FirmwareInfoBlock::Read(reinterpret_cast<const unsigned char*>(image.constData()), nOffset);
    if (!b.HasMarker()) {
        return VerifyFinding(name.constData(), false,
                             {head, {"no marker: %1, not 0xAA55", {Hex(b.wMagic, 4)}}}, nAt);
    }
    const TextPart kind{bBootKind ? "a boot-loader type (1, 2)" : "an App type (3, 4)", {}};
    if (bBootKind ? !b.IsBootLoaderType() : !b.IsAppType()) {
        return VerifyFinding(
            name.constData(), false,
            {head, {"type %1 is ", {Hex(b.wType, 4)}}, {KindOf(b), {}}, {", not ", {}}, kind},
            nAt + 2);
    }
    return VerifyFinding(name.constData(), true,
                         {head, {"marker 0xAA55, type %1, ", {Hex(b.wType, 4)}}, kind});
}

VerifyCheck CheckAppPart(const QByteArray& image) {
    const qsizetype nApp = std::max<qsizetype>(0, image.size() - REGION);
    const auto nMin = static_cast<qsizetype>(INFO_BLOCK1_OFFSET + INFO_BLOCK_LENGTH);
    const TextPart head{"App part at 0x1000: %1 bytes, ", {Number(nApp)}};
    if (nApp < nMin) {
        return VerifyFinding("appPart", false, {head, {"too short to hold its block (288)", {}}},
                             image.size());
    }
    if (nApp > APP_FILE_LIMIT) {
        return VerifyFinding("appPart", false, {head, {"more than 131072", {}}},
                             REGION + APP_FILE_LIMIT);
    }
    return VerifyFinding("appPart", true, {head, {"holds its block, at most 131072", {}}});
}

// The first offset where a and b differ within their common length, or that length.
qsizetype FirstDifference(const char* a, const char* b, qsizetype n) {
    return std::mismatch(a, a + n, b).first - a;
}

VerifyCheck CheckBootRegion(const QByteArray& image, const VerifyReference& ref) {
    const QByteArray expected = BootRegionOf(ref.boot, ref.byFill);
    const QString strFill = Hex(ref.byFill, 2);
    const qsizetype nCommon = std::min(image.size(), REGION);
    const qsizetype nAt = FirstDifference(image.constData(), expected.constData(), nCommon);
    if (nAt < nCommon) {
        return VerifyFinding(
            "bootRegion", false,
            {{"boot region differs from the boot loader cut or padded with %2 "
              "at %1: %3 in the image, %4 expected",
              {Hex(nAt, 4), strFill, Hex(ByteAt(image, nAt), 2), Hex(ByteAt(expected, nAt), 2)}}},
            nAt);
    }
    if (nCommon < REGION) {
        return VerifyFinding("bootRegion", false,
                             {{"boot region: the image ends at %1, inside it", {Hex(nCommon, 4)}}},
                             nCommon);
    }
    return VerifyFinding(
        "bootRegion", true,
        {{"boot region 0x0000-0x0FFF equals the boot loader cut or padded with %1", {strFill}}});
}

VerifyCheck CheckAppBytes(const QByteArray& image, const VerifyReference& ref) {
    const QByteArray part = image.size() > REGION ? image.mid(REGION) : QByteArray();
    const qsizetype nCommon = std::min(part.size(), ref.app.size());
    const qsizetype nAt = FirstDifference(part.constData(), ref.app.constData(), nCommon);
    if (nAt < nCommon) {
        return VerifyFinding("appBytes", false,
                             {{"App part differs from the App at %1 (App offset %2): %3 in the "
                               "image, %4 in the App",
                               {Hex(REGION + nAt, 4), Hex(nAt, 4), Hex(ByteAt(part, nAt), 2),
                                Hex(ByteAt(ref.app, nAt), 2)}}},
                             REGION + nAt);
    }
    if (part.size() != ref.app.size()) {
        return VerifyFinding(
            "appBytes", false,
            {{"App part is %1 bytes, the App %2: equal up to %3",
              {Number(part.size()), Number(ref.app.size()), Hex(REGION + nCommon, 4)}}},
            REGION + nCommon);
    }
    return VerifyFinding(
        "appBytes", true,
        {{"App part equals the App byte for byte (%1 bytes)", {Number(part.size())}}});
}

}  // namespace

VerifyCheck CheckFinding(const QString& strName, bool bOk, std::vector<TextPart> parts) {
    VerifyCheck check{strName, bOk, QString()};
    for (const TextPart& part : parts)
        check.strText += PartText(QString::fromLatin1(part.pPattern), part.args);
    check.parts = std::move(parts);
    return check;
}

QString PartText(const QString& strPattern, const QStringList& args) {
    QString strText = strPattern;
    for (const QString& strArg : args) strText = strText.arg(strArg);
    return strText;
}

std::vector<VerifyCheck> VerifyFirmwareImage(const QByteArray& image, const VerifyReference& ref,
                                             std::optional<std::uint32_t> dwFileStart) {
    std::vector<VerifyCheck> checks = {
        CheckLength(image), CheckBlock(image, 1, INFO_BLOCK1_OFFSET, true),
        CheckBlock(image, 2, INFO_BLOCK2_OFFSET, false), CheckAppPart(image)};
    if (ref.bHasBoot) checks.push_back(CheckBootRegion(image, ref));
    if (ref.bHasApp) checks.push_back(CheckAppBytes(image, ref));
    // The boot loader and the App's file as the merge sees them; the App's bytes are the image's.
    LayoutInput layout = MergeLayoutOf(ref);
    if (!ref.bHasBoot) layout.boot = image.left(REGION);
    layout.app = image.size() > REGION ? image.mid(REGION) : QByteArray();
    layout.bFileHasAddress = dwFileStart.has_value();
    layout.dwFileStart = dwFileStart.value_or(0);
    const std::vector<VerifyCheck> found = CheckLayout(layout);
    checks.insert(checks.end(), found.begin(), found.end());
    return checks;
}

QString VerifyLine(const VerifyCheck& check) {
    const QString strHead = check.bSkipped ? QStringLiteral("skip ")
                            : check.bOk    ? QStringLiteral("ok   ")
                                           : QStringLiteral("FAIL ");
    return strHead + check.strText;
}
