// Writes a sample boot loader and a sample App image with their info blocks:
// quorrix-make-samples FOLDER  ->  FOLDER/SampleBoot.bin, FOLDER/TC8_App.bin
#include <QDir>
#include <QFile>
#include <cstdint>

namespace {

void Put(QByteArray& image, int nAt, std::uint32_t dwValue, int nBytes) {
    for (int i = 0; i < nBytes; ++i)
        image[nAt + i] = static_cast<char>((dwValue >> (8 * i)) & 0xFF);
}

// The 32-byte info block at 0x100: marker, type word, size, then the eight view bytes and
// the three addresses.
void PutInfoBlock(QByteArray& image, std::uint16_t wType, std::uint16_t w8, std::uint16_t w10,
                  std::uint16_t w12, std::uint16_t w14, std::uint32_t dwAppAddress) {
    const int nAt = 0x100;
    Put(image, nAt + 0, 0xAA55, 2);
    Put(image, nAt + 2, wType, 2);
    Put(image, nAt + 4, 32, 2);
    Put(image, nAt + 8, w8, 2);
    Put(image, nAt + 10, w10, 2);
    Put(image, nAt + 12, w12, 2);
    Put(image, nAt + 14, w14, 2);
    Put(image, nAt + 16, dwAppAddress, 4);
    Put(image, nAt + 20, 0x0801F000, 4);
    Put(image, nAt + 24, 0x08020000, 4);
}

// The first two words of a Cortex-M vector table: the stack pointer at the top of 8 KiB of
// SRAM and the reset handler's Thumb address, past the info block.
void PutVectors(QByteArray& image, std::uint32_t dwReset) {
    Put(image, 0, 0x20002000, 4);
    Put(image, 4, dwReset, 4);
}

QByteArray Code(int nLength, std::uint32_t dwSeed) {
    QByteArray code(nLength, '\0');
    for (int i = 0; i < nLength; ++i) {
        dwSeed = dwSeed * 1103515245u + 12345u;
        code[i] = static_cast<char>(dwSeed >> 16);
    }
    return code;
}

bool Write(const QString& strPath, const QByteArray& bytes) {
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    QDir folder(QString::fromLocal8Bit(argv[1]));
    QByteArray boot = Code(3584, 7);
    PutInfoBlock(boot, 0x0102, 0x0110, 0x0F41, 0x1000, 0x0E00, 0x08001000);
    PutVectors(boot, 0x08000131);
    QByteArray app = Code(24576, 11);
    PutInfoBlock(app, 0x0301, 0x0105, 0x0101, 0x7000, 0x6000, 0x08001000);
    PutVectors(app, 0x08001131);
    bool bOk = Write(folder.filePath(QStringLiteral("SampleBoot.bin")), boot) &&
               Write(folder.filePath(QStringLiteral("TC8_App.bin")), app);
    return bOk ? 0 : 1;
}
