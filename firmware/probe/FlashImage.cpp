#include "firmware/probe/FlashImage.h"

#include <QFileInfo>

#include "firmware/ImageChunks.h"
#include "firmware/ImageFile.h"
#include "firmware/Workspace.h"
#include "log/RunLog.h"

bool ReadFlashImage(const QString& strPath, std::uint8_t byFill, QByteArray& image,
                    QString& strReason) {
    const QString strAbsolute = QFileInfo(strPath).absoluteFilePath();
    const ImageInput input =
        ReadImageInput(strAbsolute, INPUT_FILE_LIMIT, FIRMWARE_BUF_SIZE + 1, byFill);
    strReason.clear();
    if (!input.Ok()) {
        strReason = InputOutcome(input, INPUT_FILE_LIMIT).strWords;
    } else if (input.bytes.size() > FIRMWARE_BUF_SIZE) {
        strReason = QStringLiteral("大于 %1 Bytes, 不是合成的固件").arg(FIRMWARE_BUF_SIZE);
    } else if (input.format != ImageFormat::Bin && input.dwStart != APP_ADDRESS_BASE) {
        strReason = QStringLiteral("起始地址 %1, 应为 %2")
                        .arg(AddressText(input.dwStart), AddressText(APP_ADDRESS_BASE));
    }
    if (!strReason.isEmpty()) {
        WriteLog(FileLogLine("打开", strAbsolute, QStringLiteral("失败, ") + strReason));
        return false;
    }
    WriteLog(
        FileLogLine("打开", strAbsolute, QStringLiteral("成功, %1 Bytes").arg(input.bytes.size())));
    image = input.bytes;
    return true;
}
