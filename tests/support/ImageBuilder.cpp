#include "tests/support/ImageBuilder.h"

QByteArray MakeImage(int nLength, char cFill) {
    QByteArray image(nLength, cFill);
    for (int i = 0; i < nLength; ++i) image[i] = static_cast<char>(cFill + (i % 7));
    return image;
}

QByteArray MakeMovedApp(int nLength) {
    QByteArray app = MakeImage(nLength);
    BlockFields fields;
    fields.wType = 0x0301;
    fields.dwAppAddress = 0x08004000;
    PutBlock(app, 0x100, fields);
    return app;
}

namespace {
void PutWord(QByteArray& image, std::size_t nAt, std::uint32_t dwValue, int nBytes) {
    for (int i = 0; i < nBytes; ++i) {
        image[static_cast<qsizetype>(nAt) + i] = static_cast<char>((dwValue >> (8 * i)) & 0xFF);
    }
}
}  // namespace

void PutBlock(QByteArray& image, std::size_t nOffset, const BlockFields& f) {
    PutWord(image, nOffset + 0, f.wMagic, 2);
    PutWord(image, nOffset + 2, f.wType, 2);
    PutWord(image, nOffset + 4, f.wSize, 2);
    PutWord(image, nOffset + 6, 0, 2);
    PutWord(image, nOffset + 8, f.w8, 2);
    PutWord(image, nOffset + 10, f.w10, 2);
    PutWord(image, nOffset + 12, f.w12, 2);
    PutWord(image, nOffset + 14, f.w14, 2);
    PutWord(image, nOffset + 16, f.dwAppAddress, 4);
    PutWord(image, nOffset + 20, f.dwInfoStage, 4);
    PutWord(image, nOffset + 24, f.dwAppStage, 4);
    PutWord(image, nOffset + 28, 0, 4);
    if (nOffset < 0x100) return;
    const bool bApp = (f.wType >> 8) == 3 || (f.wType >> 8) == 4;
    const std::uint32_t dwReset = f.dwReset != 0 ? f.dwReset : (bApp ? 0x08001121 : 0x08000121);
    PutWord(image, nOffset - 0x100, f.dwStack, 4);
    PutWord(image, nOffset - 0x100 + 4, dwReset, 4);
}

QByteArray MakeMergedImage(int nLength, std::uint16_t wVersion, std::uint16_t wModule) {
    QByteArray image = MakeImage(nLength);
    BlockFields boot;
    boot.w8 = 0x0102;
    boot.w10 = 7;
    PutBlock(image, 0x100, boot);
    BlockFields app;
    app.wType = 0x0301;
    app.w8 = wVersion;
    app.w10 = wModule;
    PutBlock(image, 0x1100, app);
    return image;
}
