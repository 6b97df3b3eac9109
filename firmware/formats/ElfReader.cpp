#include "firmware/formats/ImageReaders.h"

namespace {

enum : std::uint8_t { ELF_CLASS_32 = 1, ELF_CLASS_64 = 2, ELF_DATA_LE = 1, ELF_DATA_BE = 2 };
constexpr std::uint32_t PT_LOAD = 1;

// Where the fields that matter lie in the two classes.
struct ElfLayout {
    std::size_t nHeaderSize, nPhOff, nPhOffSize, nPhEntSize, nPhNum;
    std::size_t nEntryMin, nOffset, nPaddr, nFilesz, nWordSize;
};
constexpr ElfLayout ELF32 = {52, 28, 4, 42, 44, 32, 4, 12, 16, 4};
constexpr ElfLayout ELF64 = {64, 32, 8, 54, 56, 56, 8, 24, 32, 8};

std::uint64_t LittleEndian(const std::uint8_t* p, std::size_t nBytes) {
    std::uint64_t qw = 0;
    for (std::size_t i = nBytes; i-- > 0;) qw = (qw << 8) | p[i];
    return qw;
}

bool Fail(QString& strError, const QString& strWhy) {
    strError = strWhy;
    return false;
}

// One program header: its file bytes become a chunk when it is a loadable segment with any.
bool AddSegment(const std::uint8_t* pFile, std::uint64_t qwFileSize, const ElfLayout& layout,
                std::uint64_t qwAt, int nIndex, CImageChunks& chunks, QString& strError) {
    const std::uint8_t* p = pFile + qwAt;
    if (LittleEndian(p, 4) != PT_LOAD) return true;
    const std::uint64_t qwOffset = LittleEndian(p + layout.nOffset, layout.nWordSize);
    const std::uint64_t qwPaddr = LittleEndian(p + layout.nPaddr, layout.nWordSize);
    const std::uint64_t qwFilesz = LittleEndian(p + layout.nFilesz, layout.nWordSize);
    if (qwFilesz == 0) return true;
    if (qwFilesz > qwFileSize || qwOffset > qwFileSize - qwFilesz)
        return Fail(strError, QStringLiteral("ELF 程序段 %1 超出文件末尾").arg(nIndex));
    if (qwPaddr >= IMAGE_ADDRESS_LIMIT || qwFilesz > IMAGE_ADDRESS_LIMIT - qwPaddr)
        return Fail(strError,
                    QStringLiteral("ELF 程序段 %1 的数据超出 4 GiB 地址空间").arg(nIndex));
    chunks.Add(qwPaddr, static_cast<std::size_t>(qwOffset), static_cast<std::size_t>(qwFilesz));
    return true;
}

}  // namespace

bool ReadElfImage(const QByteArray& file, CImageChunks& chunks, QString& strError) {
    const auto* pFile = reinterpret_cast<const std::uint8_t*>(file.constData());
    const auto qwSize = static_cast<std::uint64_t>(file.size());
    if (qwSize < 16 || (pFile[4] != ELF_CLASS_32 && pFile[4] != ELF_CLASS_64))
        return Fail(strError, QStringLiteral("ELF 文件的类别无效"));
    if (pFile[5] == ELF_DATA_BE) return Fail(strError, QStringLiteral("ELF 文件是大端格式"));
    if (pFile[5] != ELF_DATA_LE) return Fail(strError, QStringLiteral("ELF 文件的字节序无效"));
    const ElfLayout& layout = pFile[4] == ELF_CLASS_32 ? ELF32 : ELF64;
    if (qwSize < layout.nHeaderSize)
        return Fail(strError, QStringLiteral("ELF 文件头超出文件末尾"));
    const std::uint64_t qwPhOff = LittleEndian(pFile + layout.nPhOff, layout.nPhOffSize);
    const std::uint64_t qwEntSize = LittleEndian(pFile + layout.nPhEntSize, 2);
    const std::uint64_t qwCount = LittleEndian(pFile + layout.nPhNum, 2);
    if (qwCount > 0 && qwEntSize < layout.nEntryMin)
        return Fail(strError, QStringLiteral("ELF 程序头大小 %1 无效").arg(qwEntSize));
    if (qwPhOff > qwSize || qwCount * qwEntSize > qwSize - qwPhOff)
        return Fail(strError, QStringLiteral("ELF 程序头超出文件末尾"));
    for (std::uint64_t i = 0; i < qwCount; ++i) {
        if (!AddSegment(pFile, qwSize, layout, qwPhOff + i * qwEntSize, static_cast<int>(i), chunks,
                        strError))
            return false;
    }
    if (chunks.IsEmpty()) return Fail(strError, QStringLiteral("ELF 文件没有可加载的数据"));
    return true;
}
