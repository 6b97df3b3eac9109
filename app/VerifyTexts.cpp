#include "app/VerifyTexts.h"

#include <QCoreApplication>
#include <algorithm>

#include "app/LayoutCheckTexts.h"
#include "firmware/checks/InfoBlock.h"
#include "firmware/workspace/Workspace.h"

namespace {

class VerifyTexts {
    Q_DECLARE_TR_FUNCTIONS(VerifyTexts)
public:
    static QString Length(const QByteArray& image, bool bOk) {
        return bOk ? tr("长度: %1 字节, 长于 4096").arg(image.size())
                   : tr("长度: %1 字节, 没有 App 部分: 不长于 4096").arg(image.size());
    }
    static QString Block(const QByteArray& image, int nNumber, std::size_t nOffset, bool bOk);
    static QString AppPart(const QByteArray& image, bool bOk);
    static QString BootRegion(const VerifyCheck& check, const QByteArray& image,
                              const VerifyReference& ref);
    static QString AppBytes(const VerifyCheck& check, const QByteArray& image,
                            const VerifyReference& ref);
};

constexpr auto REGION = static_cast<qsizetype>(BOOT_REGION_SIZE);

QString ByteAt(const QByteArray& bytes, qsizetype n) {
    return HexNumber(n < bytes.size() ? static_cast<std::uint8_t>(bytes[n]) : 0, 2);
}

QString VerifyTexts::Block(const QByteArray& image, int nNumber, std::size_t nOffset, bool bOk) {
    const bool bBootKind = nNumber == 1;
    const QString strHead =
        tr("块 %1 位于 %2: ").arg(nNumber).arg(HexNumber(static_cast<std::int64_t>(nOffset), 4));
    const QString strKind = bBootKind ? tr("BootLoader 类型 (1, 2)") : tr("App 类型 (3, 4)");
    if (image.size() < static_cast<qsizetype>(nOffset + INFO_BLOCK_LENGTH))
        return strHead + tr("不完整, 文件在 %1 结束").arg(HexNumber(image.size(), 4));
    const auto b =
        FirmwareInfoBlock::Read(reinterpret_cast<const unsigned char*>(image.constData()), nOffset);
    if (!b.HasMarker())
        return strHead + tr("没有标记: %1, 不是 0xAA55").arg(HexNumber(b.wMagic, 4));
    if (!bOk) {
        const QString strIs = b.IsBootLoaderType() ? tr("BootLoader 类型")
                              : b.IsAppType()      ? tr("App 类型")
                                                   : tr("未知类型");
        return strHead + tr("类型 %1 是%2, 不是%3").arg(HexNumber(b.wType, 4), strIs, strKind);
    }
    return strHead + tr("标记 0xAA55, 类型 %1, %2").arg(HexNumber(b.wType, 4), strKind);
}

QString VerifyTexts::AppPart(const QByteArray& image, bool bOk) {
    const qsizetype nApp = std::max<qsizetype>(0, image.size() - REGION);
    const QString strHead = tr("App 部分位于 0x1000: %1 字节, ").arg(nApp);
    if (bOk) return strHead + tr("包含其信息块, 不超过 131072");
    if (nApp < static_cast<qsizetype>(INFO_BLOCK1_OFFSET + INFO_BLOCK_LENGTH))
        return strHead + tr("太短, 容不下其信息块 (288)");
    return strHead + tr("超过 131072");
}

QString VerifyTexts::BootRegion(const VerifyCheck& check, const QByteArray& image,
                                const VerifyReference& ref) {
    const QString strFill = HexNumber(ref.byFill, 2);
    if (check.bOk) return tr("引导区 0x0000-0x0FFF 等于截断或以 %1 填充的 BootLoader").arg(strFill);
    const std::int64_t nAt = check.nOffset;
    if (nAt >= image.size())
        return tr("引导区: 映像在 %1 结束, 位于引导区内").arg(HexNumber(nAt, 4));
    const QString strExpected =
        nAt < ref.boot.size() ? ByteAt(ref.boot, static_cast<qsizetype>(nAt)) : strFill;
    return tr("引导区在 %1 处与截断或以 %2 填充的 BootLoader 不同: 映像中为 %3, 应为 %4")
        .arg(HexNumber(nAt, 4), strFill, ByteAt(image, static_cast<qsizetype>(nAt)), strExpected);
}

QString VerifyTexts::AppBytes(const VerifyCheck& check, const QByteArray& image,
                              const VerifyReference& ref) {
    const qsizetype nPart = std::max<qsizetype>(0, image.size() - REGION);
    if (check.bOk) return tr("App 部分与 App 逐字节相同 (%1 字节)").arg(nPart);
    const auto nAt = static_cast<qsizetype>(check.nOffset - REGION);
    if (nAt < nPart && nAt < ref.app.size()) {
        return tr("App 部分在 %1 (App 偏移 %2) 处与 App 不同: 映像中为 %3, App 中为 %4")
            .arg(HexNumber(check.nOffset, 4), HexNumber(nAt, 4), ByteAt(image, REGION + nAt),
                 ByteAt(ref.app, nAt));
    }
    return tr("App 部分 %1 字节, App %2 字节: 到 %3 为止相同")
        .arg(nPart)
        .arg(ref.app.size())
        .arg(HexNumber(check.nOffset, 4));
}

}  // namespace

QString VerifyRowText(const VerifyCheck& check, const QByteArray& image,
                      const VerifyReference& ref) {
    const QString& strName = check.strName;
    if (strName == QLatin1String("length")) return VerifyTexts::Length(image, check.bOk);
    if (strName == QLatin1String("block1"))
        return VerifyTexts::Block(image, 1, INFO_BLOCK1_OFFSET, check.bOk);
    if (strName == QLatin1String("block2"))
        return VerifyTexts::Block(image, 2, INFO_BLOCK2_OFFSET, check.bOk);
    if (strName == QLatin1String("appPart")) return VerifyTexts::AppPart(image, check.bOk);
    if (strName == QLatin1String("bootRegion")) return VerifyTexts::BootRegion(check, image, ref);
    if (strName == QLatin1String("appBytes")) return VerifyTexts::AppBytes(check, image, ref);
    if (!check.parts.empty()) return LayoutCheckText(check);
    return check.strText;
}

QString VerifyVerdict(bool bOk) {
    return bOk ? VerifyTexts::tr("通过") : VerifyTexts::tr("未通过");
}

QString HexNumber(std::int64_t n, int nDigits) {
    return QStringLiteral("0x") +
           QString::number(n, 16).rightJustified(nDigits, QLatin1Char('0')).toUpper();
}

int CountFailed(const std::vector<VerifyCheck>& checks) {
    return static_cast<int>(
        std::count_if(checks.begin(), checks.end(), [](const VerifyCheck& c) { return !c.bOk; }));
}
