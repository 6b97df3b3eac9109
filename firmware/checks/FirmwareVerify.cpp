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

VerifyCheck Check(const char* pName, bool bOk, const QString& strText, std::int64_t nOffset = -1) {
    return {QString::fromLatin1(pName), bOk, strText, bOk ? -1 : nOffset};
}

std::uint8_t ByteAt(const QByteArray& bytes, qsizetype n) {
    return static_cast<std::uint8_t>(bytes[n]);
}

VerifyCheck CheckLength(const QByteArray& image) {
    const bool bOk = image.size() > REGION;
    return Check(
        "length", bOk,
        QString::asprintf("length: %lld bytes, %s 4096", static_cast<long long>(image.size()),
                          bOk ? "longer than" : "no App part: not longer than"),
        image.size());
}

// Block nNumber at nOffset must carry the marker and a type of the wanted kind.
VerifyCheck CheckBlock(const QByteArray& image, int nNumber, std::size_t nOffset, bool bBootKind) {
    const QString strName = QStringLiteral("block%1").arg(nNumber);
    const QString strHead = QString::asprintf("block %d at 0x%04zX: ", nNumber, nOffset);
    const auto nEnd = static_cast<qsizetype>(nOffset + INFO_BLOCK_LENGTH);
    if (image.size() < nEnd) {
        return {strName, false,
                strHead + QString::asprintf("cut off, the file ends at 0x%04llX",
                                            static_cast<long long>(image.size())),
                image.size()};
    }
    const auto b =
        FirmwareInfoBlock::Read(reinterpret_cast<const unsigned char*>(image.constData()), nOffset);
    const auto nAt = static_cast<std::int64_t>(nOffset);
    if (!b.HasMarker()) {
        return {strName, false,
                strHead + QString::asprintf("no marker: 0x%04X, not 0xAA55", b.wMagic), nAt};
    }
    const char* pKind = bBootKind ? "a boot-loader type (1, 2)" : "an App type (3, 4)";
    if (bBootKind ? !b.IsBootLoaderType() : !b.IsAppType()) {
        const char* pIs = b.IsBootLoaderType() ? "a boot-loader type"
                          : b.IsAppType()      ? "an App type"
                                               : "an unknown type";
        return {strName, false,
                strHead + QString::asprintf("type 0x%04X is %s, not %s", b.wType, pIs, pKind),
                nAt + 2};
    }
    return {strName, true,
            strHead + QString::asprintf("marker 0xAA55, type 0x%04X, %s", b.wType, pKind), -1};
}

VerifyCheck CheckAppPart(const QByteArray& image) {
    const qsizetype nApp = std::max<qsizetype>(0, image.size() - REGION);
    const auto nMin = static_cast<qsizetype>(INFO_BLOCK1_OFFSET + INFO_BLOCK_LENGTH);
    QString strText =
        QString::asprintf("App part at 0x1000: %lld bytes, ", static_cast<long long>(nApp));
    if (nApp < nMin) {
        return Check("appPart", false,
                     strText + QStringLiteral("too short to hold its block (288)"), image.size());
    }
    if (nApp > APP_FILE_LIMIT) {
        return Check("appPart", false, strText + QStringLiteral("more than 131072"),
                     REGION + APP_FILE_LIMIT);
    }
    return Check("appPart", true, strText + QStringLiteral("holds its block, at most 131072"));
}

// The first offset where a and b differ within their common length, or that length.
qsizetype FirstDifference(const char* a, const char* b, qsizetype n) {
    return std::mismatch(a, a + n, b).first - a;
}

VerifyCheck CheckBootRegion(const QByteArray& image, const VerifyReference& ref) {
    const QByteArray expected = BootRegionOf(ref.boot, ref.byFill);
    const QString strHow =
        QString::asprintf("the boot loader cut or padded with 0x%02X", ref.byFill);
    const qsizetype nCommon = std::min(image.size(), REGION);
    const qsizetype nAt = FirstDifference(image.constData(), expected.constData(), nCommon);
    if (nAt < nCommon) {
        return Check(
            "bootRegion", false,
            QString::asprintf("boot region differs from %ls at 0x%04llX: 0x%02X in the image, "
                              "0x%02X expected",
                              qUtf16Printable(strHow), static_cast<long long>(nAt),
                              ByteAt(image, nAt), ByteAt(expected, nAt)),
            nAt);
    }
    if (nCommon < REGION) {
        return Check("bootRegion", false,
                     QString::asprintf("boot region: the image ends at 0x%04llX, inside it",
                                       static_cast<long long>(nCommon)),
                     nCommon);
    }
    return Check("bootRegion", true, QStringLiteral("boot region 0x0000-0x0FFF equals ") + strHow);
}

VerifyCheck CheckAppBytes(const QByteArray& image, const VerifyReference& ref) {
    const QByteArray part = image.size() > REGION ? image.mid(REGION) : QByteArray();
    const qsizetype nCommon = std::min(part.size(), ref.app.size());
    const qsizetype nAt = FirstDifference(part.constData(), ref.app.constData(), nCommon);
    if (nAt < nCommon) {
        return Check(
            "appBytes", false,
            QString::asprintf("App part differs from the App at 0x%04llX (App offset "
                              "0x%04llX): 0x%02X in the image, 0x%02X in the App",
                              static_cast<long long>(REGION + nAt), static_cast<long long>(nAt),
                              ByteAt(part, nAt), ByteAt(ref.app, nAt)),
            REGION + nAt);
    }
    if (part.size() != ref.app.size()) {
        return Check("appBytes", false,
                     QString::asprintf("App part is %lld bytes, the App %lld: equal up to 0x%04llX",
                                       static_cast<long long>(part.size()),
                                       static_cast<long long>(ref.app.size()),
                                       static_cast<long long>(REGION + nCommon)),
                     REGION + nCommon);
    }
    return Check("appBytes", true,
                 QString::asprintf("App part equals the App byte for byte (%lld bytes)",
                                   static_cast<long long>(part.size())));
}

}  // namespace

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
