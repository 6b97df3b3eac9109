#include "firmware/probe/FlashChecks.h"

#include "firmware/checks/FirmwareVerify.h"
#include "firmware/workspace/Prompts.h"
#include "log/RunLog.h"

namespace {

FirmwareInfoBlock ImageBlock(const QByteArray& image, std::size_t nOffset) {
    if (image.size() < static_cast<qsizetype>(nOffset + INFO_BLOCK_LENGTH)) {
        return FirmwareInfoBlock();
    }
    return FirmwareInfoBlock::Read(reinterpret_cast<const unsigned char*>(image.constData()),
                                   nOffset);
}

int VersionOf(const FirmwareInfoBlock& b) { return b.byVerMajor * 256 + b.byVerMinor; }

bool Ask(IFirmwarePrompts& prompts, const QString& strQuestion) {
    return prompts.AskYesNo(strQuestion + QStringLiteral("\r\n仍要烧写吗?"));
}

}  // namespace

bool AcceptImageChecks(const QByteArray& image, IFirmwarePrompts& prompts) {
    int nFailed = 0;
    for (const VerifyCheck& check : VerifyFirmwareImage(image, VerifyReference())) {
        if (check.bOk) continue;
        ++nFailed;
        WriteLog(QStringLiteral("检查 %1 = 失败, %2").arg(check.strName, check.strText));
    }
    if (nFailed == 0) return true;
    return Ask(
        prompts,
        QStringLiteral("固件有 %1 项检查未通过, 可能无法启动 (详见输出窗口)。").arg(nFailed));
}

bool AcceptModuleDifferences(const ModuleInfo& module, const QByteArray& image,
                             IFirmwarePrompts& prompts) {
    const FirmwareInfoBlock image1 = ImageBlock(image, INFO_BLOCK1_OFFSET);
    const FirmwareInfoBlock image2 = ImageBlock(image, INFO_BLOCK2_OFFSET);
    if (module.b2.HasMarker() && image2.HasMarker()) {
        if (module.b2.wModuleType != image2.wModuleType &&
            !Ask(prompts, QString::asprintf("模块的模块类型是 0x%04X, 固件的是 0x%04X。",
                                            module.b2.wModuleType, image2.wModuleType))) {
            return false;
        }
        if (VersionOf(image2) < VersionOf(module.b2) &&
            !Ask(prompts, QStringLiteral("模块上的 App 版本 %1 比固件的 %2 新。")
                              .arg(FormatAppVersion(module.b2.byVerMajor, module.b2.byVerMinor),
                                   FormatAppVersion(image2.byVerMajor, image2.byVerMinor)))) {
            return false;
        }
    }
    if (module.b1.HasMarker() && image1.HasMarker() && module.b1.wChipType != image1.wChipType &&
        !Ask(prompts, QString::asprintf("模块的芯片类型是 0x%04X, 固件的是 0x%04X。",
                                        module.b1.wChipType, image1.wChipType))) {
        return false;
    }
    return true;
}
