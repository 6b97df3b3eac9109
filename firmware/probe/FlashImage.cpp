#include "firmware/probe/FlashImage.h"

#include <QFileInfo>

#include "firmware/formats/ImageChunks.h"
#include "firmware/workspace/ImageFile.h"
#include "firmware/workspace/Workspace.h"
#include "log/RunLog.h"

CoreResult ReadFlashImage(const QString& strPath, std::uint8_t byFill, QByteArray& image) {
    const QString strAbsolute = QFileInfo(strPath).absoluteFilePath();
    const ImageInput input =
        ReadImageInput(strAbsolute, INPUT_FILE_LIMIT, FIRMWARE_BUF_SIZE + 1, byFill);
    CoreResult result = InputOutcome(input, INPUT_FILE_LIMIT);
    if (result.Done() && input.bytes.size() > FIRMWARE_BUF_SIZE) {
        result = CoreResult::Failed(
            CoreReason::TooLarge,
            QStringLiteral("大于 %1 Bytes, 不是合成的固件").arg(FIRMWARE_BUF_SIZE));
    } else if (result.Done() && input.format != ImageFormat::Bin &&
               input.dwStart != APP_ADDRESS_BASE) {
        result =
            CoreResult::Failed(CoreReason::ConvertFailed,
                               QStringLiteral("起始地址 %1, 应为 %2")
                                   .arg(AddressText(input.dwStart), AddressText(APP_ADDRESS_BASE)));
    }
    if (!result.Done()) {
        WriteLog(FileLogLine("打开", strAbsolute, QStringLiteral("失败, ") + result.strWords));
        return result;
    }
    WriteLog(FileLogLine("打开", strAbsolute, QStringLiteral("成功")));
    image = input.bytes;
    return result;
}
