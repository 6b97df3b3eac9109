#include "firmware/checks/FirmwareDiff.h"

#include <algorithm>
#include <cstring>

#include "firmware/checks/InfoBlock.h"

namespace {

struct Field {
    const char* pLabel;
    QString (*pValue)(const FirmwareInfoBlock& b);
};

QString Hex4(unsigned n) { return QString::asprintf("0x%04X", n); }
QString Hex8(std::uint32_t n) { return QString::asprintf("0x%08X", n); }

// Bytes 8 to 15 mean different things to a boot loader and an App, so each block is shown
// in one view: block 1 as a boot loader unless both files say App, block 2 as an App.
const Field COMMON_HEAD[] = {
    {"marker", [](const FirmwareInfoBlock& b) { return Hex4(b.wMagic); }},
    {"type",
     [](const FirmwareInfoBlock& b) {
         return Hex4(b.wType) + QLatin1Char(' ') + InfoTypeLabel(b.wType).trimmed();
     }},
    {"block size", [](const FirmwareInfoBlock& b) { return QString::number(b.wSize); }},
};
const Field BOOT_VIEW[] = {
    {"boot version", [](const FirmwareInfoBlock& b) { return Hex4(b.wBootVersion); }},
    {"chip type", [](const FirmwareInfoBlock& b) { return Hex4(b.wChipType); }},
    {"boot size", [](const FirmwareInfoBlock& b) { return Hex4(b.wBootSize); }},
};
const Field APP_VIEW[] = {
    {"App version",
     [](const FirmwareInfoBlock& b) { return FormatAppVersion(b.byVerMajor, b.byVerMinor); }},
    {"module type",
     [](const FirmwareInfoBlock& b) { return QString::asprintf("%04X", b.wModuleType); }},
    {"App size", [](const FirmwareInfoBlock& b) { return Hex4(b.wAppSize); }},
};
const Field COMMON_TAIL[] = {
    {"code size", [](const FirmwareInfoBlock& b) { return Hex4(b.wCodeSize); }},
    {"App address", [](const FirmwareInfoBlock& b) { return Hex8(b.dwAppAddress); }},
    {"info stage", [](const FirmwareInfoBlock& b) { return Hex8(b.dwInfoStageAddress); }},
    {"App stage", [](const FirmwareInfoBlock& b) { return Hex8(b.dwAppStageAddress); }},
};

// The block at nOffset, or nothing when the file ends before the block does.
bool ReadBlock(const QByteArray& bytes, std::size_t nOffset, FirmwareInfoBlock& block) {
    if (bytes.size() < static_cast<qsizetype>(nOffset + INFO_BLOCK_LENGTH)) return false;
    block =
        FirmwareInfoBlock::Read(reinterpret_cast<const unsigned char*>(bytes.constData()), nOffset);
    return true;
}

QString Row(bool bDiffers, const QString& strLabel, const QString& strA, const QString& strB) {
    QString strRow = QStringLiteral("%1 %2 %3 %4")
                         .arg(bDiffers ? QLatin1Char('*') : QLatin1Char(' '))
                         .arg(strLabel, -14)
                         .arg(strA, -28)
                         .arg(strB);
    while (strRow.endsWith(QLatin1Char(' '))) strRow.chop(1);
    return strRow;
}

template <std::size_t N>
void AppendFields(std::vector<DiffRow>& rows, DiffRow row, const Field (&fields)[N],
                  const FirmwareInfoBlock* pA, const FirmwareInfoBlock* pB) {
    for (const Field& f : fields) {
        row.pField = f.pLabel;
        row.strA = pA ? f.pValue(*pA) : QStringLiteral("-");
        row.strB = pB ? f.pValue(*pB) : QStringLiteral("-");
        row.bDiffers = row.strA != row.strB;
        rows.push_back(row);
    }
}

void AppendBlock(std::vector<DiffRow>& rows, int nNumber, std::size_t nOffset, const QByteArray& a,
                 const QByteArray& b) {
    FirmwareInfoBlock blockA, blockB;
    const bool bA = ReadBlock(a, nOffset, blockA);
    const bool bB = ReadBlock(b, nOffset, blockB);
    if (nNumber == 2 && !(bA && blockA.HasMarker()) && !(bB && blockB.HasMarker())) return;
    const FirmwareInfoBlock* pA = bA ? &blockA : nullptr;
    const FirmwareInfoBlock* pB = bB ? &blockB : nullptr;
    DiffRow row{nNumber, nOffset, true, "", {}, {}, bA, bB, false};
    rows.push_back(row);
    row.bHead = false;
    AppendFields(rows, row, COMMON_HEAD, pA, pB);
    const bool bAppView = nNumber == 2 || ((!pA || pA->IsAppType()) && (!pB || pB->IsAppType()));
    if (bAppView) {
        AppendFields(rows, row, APP_VIEW, pA, pB);
    } else {
        AppendFields(rows, row, BOOT_VIEW, pA, pB);
    }
    AppendFields(rows, row, COMMON_TAIL, pA, pB);
}

QString RowLine(const DiffRow& row) {
    if (!row.bHead) {
        return Row(row.bDiffers, QString::fromLatin1(row.pField), row.strA, row.strB);
    }
    return Row(false, QString::asprintf("block %d 0x%04zX", row.nBlock, row.nOffset),
               row.bHasA ? QStringLiteral("A") : QStringLiteral("A (file too short)"),
               row.bHasB ? QStringLiteral("B") : QStringLiteral("B (file too short)"));
}

void CompareBytes(FirmwareDiff& diff, const QByteArray& a, const QByteArray& b) {
    const qsizetype nCommon = std::min(a.size(), b.size());
    const qsizetype nFirst =
        std::mismatch(a.begin(), a.begin() + nCommon, b.begin()).first - a.begin();
    diff.nDifferingBytes = std::max(a.size(), b.size()) - nCommon;
    for (qsizetype i = nFirst; i < nCommon; ++i) diff.nDifferingBytes += a[i] != b[i];
    diff.bIdentical = diff.nDifferingBytes == 0;
    const QString strSizes =
        QString::asprintf("A %lld bytes, B %lld bytes", static_cast<long long>(a.size()),
                          static_cast<long long>(b.size()));
    if (diff.bIdentical) {
        diff.lines.append(QStringLiteral("identical: ") + strSizes);
        return;
    }
    diff.nFirstDifference = nFirst;
    if (nFirst < nCommon) {
        diff.lines.append(
            QString::asprintf("first difference at 0x%04llX: 0x%02X in A, 0x%02X in B",
                              static_cast<long long>(nFirst), static_cast<unsigned char>(a[nFirst]),
                              static_cast<unsigned char>(b[nFirst])));
    } else {
        diff.lines.append(QString::asprintf("first difference at 0x%04llX: %s ends there",
                                            static_cast<long long>(nFirst),
                                            a.size() < b.size() ? "A" : "B"));
    }
    diff.lines.append(
        QString::asprintf("differing bytes: %lld (", static_cast<long long>(diff.nDifferingBytes)) +
        strSizes + QLatin1Char(')'));
}

}  // namespace

std::vector<DiffRow> DiffBlockRows(const QByteArray& a, const QByteArray& b) {
    std::vector<DiffRow> rows;
    AppendBlock(rows, 1, INFO_BLOCK1_OFFSET, a, b);
    AppendBlock(rows, 2, INFO_BLOCK2_OFFSET, a, b);
    return rows;
}

FirmwareDiff DiffFirmwareImages(const QByteArray& a, const QByteArray& b) {
    FirmwareDiff diff;
    for (const DiffRow& row : DiffBlockRows(a, b)) diff.lines.append(RowLine(row));
    CompareBytes(diff, a, b);
    return diff;
}
