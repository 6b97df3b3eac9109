#include <algorithm>
#include <vector>

#include "firmware/formats/ImageReaders.h"

namespace {

enum : std::uint8_t { ELF_CLASS_32 = 1, ELF_CLASS_64 = 2, ELF_DATA_LE = 1, ELF_DATA_BE = 2 };
constexpr std::uint32_t PT_LOAD = 1;
constexpr std::uint32_t SHT_NULL = 0;
constexpr std::uint32_t SHT_NOBITS = 8;
constexpr std::uint64_t SHF_ALLOC = 2;

// Where the fields that matter lie in the two classes.
struct ElfLayout {
    std::size_t nHeaderSize, nWordSize, nEntry, nPhOff, nShOff, nPhEntSize, nPhNum, nShEntSize,
        nShNum, nShStrNdx;
    std::size_t nPhEntryMin, nOffset, nPaddr, nFilesz;                        // program header
    std::size_t nShEntryMin, nShType, nShFlags, nShOffset, nShSize, nShLink;  // section header
};
constexpr ElfLayout ELF32 = {52, 4, 24, 28, 32, 42, 44, 46, 48, 50,
                             32, 4, 12, 16, 40, 4,  8,  16, 20, 24};
constexpr ElfLayout ELF64 = {64, 8, 24, 32, 40, 54, 56, 58, 60, 62,
                             56, 8, 24, 32, 64, 4,  8,  24, 32, 40};
constexpr std::uint64_t SHN_XINDEX = 0xFFFF;
constexpr int SECTION_NAME_LIMIT = 64;

std::uint64_t LittleEndian(const std::uint8_t* p, std::size_t nBytes) {
    std::uint64_t qw = 0;
    for (std::size_t i = nBytes; i-- > 0;) qw = (qw << 8) | p[i];
    return qw;
}

bool Fail(QString& strError, const QString& strWhy) {
    strError = strWhy;
    return false;
}

struct ElfFile {
    const std::uint8_t* p;
    std::uint64_t qwSize;
    const ElfLayout& layout;
    std::uint64_t Word(std::uint64_t qwAt, std::size_t nField) const {
        return LittleEndian(p + qwAt + nField, layout.nWordSize);
    }
    bool Holds(std::uint64_t qwOffset, std::uint64_t qwLength) const {
        return qwLength <= qwSize && qwOffset <= qwSize - qwLength;
    }
};

// A loadable segment with file bytes: where they lie in the file and where they load.
struct LoadSegment {
    std::uint64_t qwOffset, qwFilesz, qwPaddr;
    int nIndex;
};

// The loadable segments by file offset, so that the one holding a section's bytes is found
// at once however many sections and segments a file has.
class CLoadSegments {
public:
    void Add(const LoadSegment& segment) { m_segments.push_back(segment); }
    void Sort();
    // A segment whose file bytes hold [qwOffset, qwOffset + qwLength); nullptr when none does.
    const LoadSegment* Holding(std::uint64_t qwOffset, std::uint64_t qwLength) const;
    const std::vector<LoadSegment>& All() const { return m_segments; }

private:
    std::vector<LoadSegment> m_segments;
    std::vector<std::size_t> m_reach;  // of the segments up to i, the one that ends last
};

void CLoadSegments::Sort() {
    std::stable_sort(
        m_segments.begin(), m_segments.end(),
        [](const LoadSegment& a, const LoadSegment& b) { return a.qwOffset < b.qwOffset; });
    m_reach.resize(m_segments.size());
    for (std::size_t i = 0; i < m_segments.size(); ++i) {
        const LoadSegment& last = m_segments[i > 0 ? m_reach[i - 1] : 0];
        const bool bFurther = i == 0 || m_segments[i].qwOffset + m_segments[i].qwFilesz >
                                            last.qwOffset + last.qwFilesz;
        m_reach[i] = bFurther ? i : m_reach[i - 1];
    }
}

const LoadSegment* CLoadSegments::Holding(std::uint64_t qwOffset, std::uint64_t qwLength) const {
    const auto it = std::upper_bound(
        m_segments.begin(), m_segments.end(), qwOffset,
        [](std::uint64_t qw, const LoadSegment& segment) { return qw < segment.qwOffset; });
    if (it == m_segments.begin()) return nullptr;
    const LoadSegment& best =
        m_segments[m_reach[static_cast<std::size_t>(it - m_segments.begin()) - 1]];
    return best.qwOffset + best.qwFilesz >= qwOffset + qwLength ? &best : nullptr;
}

// A table of headers: its offset, entry size and count, all inside the file.
struct HeaderTable {
    std::uint64_t qwOffset = 0, qwEntSize = 0, qwCount = 0;
};

bool ReadTable(const ElfFile& elf, HeaderTable table, std::size_t nEntryMin, const char* pWhat,
               QString& strError) {
    if (table.qwCount > 0 && table.qwEntSize < nEntryMin)
        return Fail(strError, QStringLiteral("ELF %1大小 %2 无效")
                                  .arg(QString::fromUtf8(pWhat))
                                  .arg(table.qwEntSize));
    if (table.qwOffset > elf.qwSize ||
        (table.qwCount > 0 && table.qwCount > (elf.qwSize - table.qwOffset) / table.qwEntSize))
        return Fail(strError, QStringLiteral("ELF %1超出文件末尾").arg(QString::fromUtf8(pWhat)));
    return true;
}

bool ReadLoadSegments(const ElfFile& elf, CLoadSegments& segments, QString& strError) {
    const ElfLayout& l = elf.layout;
    const HeaderTable table{LittleEndian(elf.p + l.nPhOff, l.nWordSize),
                            LittleEndian(elf.p + l.nPhEntSize, 2),
                            LittleEndian(elf.p + l.nPhNum, 2)};
    if (!ReadTable(elf, table, l.nPhEntryMin, "程序头", strError)) return false;
    for (std::uint64_t i = 0; i < table.qwCount; ++i) {
        const std::uint64_t qwAt = table.qwOffset + i * table.qwEntSize;
        if (LittleEndian(elf.p + qwAt, 4) != PT_LOAD) continue;
        const LoadSegment segment{elf.Word(qwAt, l.nOffset), elf.Word(qwAt, l.nFilesz),
                                  elf.Word(qwAt, l.nPaddr), static_cast<int>(i)};
        if (segment.qwFilesz == 0) continue;
        if (!elf.Holds(segment.qwOffset, segment.qwFilesz))
            return Fail(strError, QStringLiteral("ELF 程序段 %1 超出文件末尾").arg(i));
        segments.Add(segment);
    }
    segments.Sort();
    return true;
}

// qwLength file bytes at qwOffset, loaded qwInto bytes into a segment loaded at qwBase, become
// a chunk; strWhat names them. Both counts are below the file's size, so neither sum wraps.
bool AddChunk(std::uint64_t qwBase, std::uint64_t qwInto, std::uint64_t qwOffset,
              std::uint64_t qwLength, const QString& strWhat, CImageChunks& chunks,
              QString& strError) {
    if (qwBase >= IMAGE_ADDRESS_LIMIT || qwInto + qwLength > IMAGE_ADDRESS_LIMIT - qwBase)
        return Fail(strError, QStringLiteral("ELF %1 的数据超出 4 GiB 地址空间").arg(strWhat));
    chunks.Add(qwBase + qwInto, static_cast<std::size_t>(qwOffset),
               static_cast<std::size_t>(qwLength));
    return true;
}

// The section table; none when the file has no section headers. A count of 0 with a table
// means more sections than 16 bits count: the real count is the first entry's size.
bool ReadSectionTable(const ElfFile& elf, HeaderTable& table, QString& strError) {
    const ElfLayout& l = elf.layout;
    table = {LittleEndian(elf.p + l.nShOff, l.nWordSize), LittleEndian(elf.p + l.nShEntSize, 2),
             LittleEndian(elf.p + l.nShNum, 2)};
    if (table.qwOffset == 0) {
        table.qwCount = 0;
        return true;
    }
    if (table.qwCount == 0 && table.qwEntSize >= l.nShEntryMin &&
        elf.Holds(table.qwOffset, table.qwEntSize))
        table.qwCount = elf.Word(table.qwOffset, l.nShSize);
    return ReadTable(elf, table, l.nShEntryMin, "节头", strError);
}

// "节 3 (.rodata)": the section's index, and its name where the name table holds one that
// can be shown, so that the user finds it in the linker's map.
QString SectionText(const ElfFile& elf, const HeaderTable& table, std::uint64_t qwIndex) {
    const ElfLayout& l = elf.layout;
    const QString strIndex = QStringLiteral("节 %1").arg(qwIndex);
    std::uint64_t qwNames = LittleEndian(elf.p + l.nShStrNdx, 2);
    if (qwNames == SHN_XINDEX) qwNames = LittleEndian(elf.p + table.qwOffset + l.nShLink, 4);
    if (qwNames >= table.qwCount) return strIndex;
    const std::uint64_t qwAt = table.qwOffset + qwNames * table.qwEntSize;
    const std::uint64_t qwOffset = elf.Word(qwAt, l.nShOffset);
    const std::uint64_t qwSize = elf.Word(qwAt, l.nShSize);
    const std::uint64_t qwName =
        LittleEndian(elf.p + table.qwOffset + qwIndex * table.qwEntSize, 4);
    if (!elf.Holds(qwOffset, qwSize) || qwName >= qwSize) return strIndex;
    QString strName;
    for (std::uint64_t i = qwOffset + qwName; i < qwOffset + qwSize && elf.p[i] != 0; ++i) {
        if (elf.p[i] < 0x20 || elf.p[i] >= 0x7F || strName.size() == SECTION_NAME_LIMIT)
            return strIndex;
        strName += QLatin1Char(static_cast<char>(elf.p[i]));
    }
    return strName.isEmpty() ? strIndex : strIndex + QStringLiteral(" (%1)").arg(strName);
}

// One section: its file bytes, when it is allocated and has any, placed through the loadable
// segment that holds them.
bool AddSection(const ElfFile& elf, const HeaderTable& table, std::uint64_t qwIndex,
                const CLoadSegments& segments, CImageChunks& chunks, QString& strError) {
    const std::uint64_t qwAt = table.qwOffset + qwIndex * table.qwEntSize;
    const ElfLayout& l = elf.layout;
    const auto dwType = static_cast<std::uint32_t>(LittleEndian(elf.p + qwAt + l.nShType, 4));
    const std::uint64_t qwOffset = elf.Word(qwAt, l.nShOffset);
    const std::uint64_t qwSize = elf.Word(qwAt, l.nShSize);
    if (dwType == SHT_NULL || dwType == SHT_NOBITS || !(elf.Word(qwAt, l.nShFlags) & SHF_ALLOC) ||
        qwSize == 0)
        return true;
    const QString strWhat = SectionText(elf, table, qwIndex);
    if (!elf.Holds(qwOffset, qwSize))
        return Fail(strError, QStringLiteral("ELF %1 超出文件末尾").arg(strWhat));
    if (const LoadSegment* pSegment = segments.Holding(qwOffset, qwSize)) {
        return AddChunk(pSegment->qwPaddr, qwOffset - pSegment->qwOffset, qwOffset, qwSize, strWhat,
                        chunks, strError);
    }
    // A loader would not load it, objcopy would write it at its own address: no image is sure.
    return Fail(strError, QStringLiteral("ELF %1 不在任何可加载的程序段中").arg(strWhat));
}

bool ReadEntry(const ElfFile& elf, std::optional<std::uint32_t>& entry, QString& strError) {
    const std::uint64_t qwEntry = LittleEndian(elf.p + elf.layout.nEntry, elf.layout.nWordSize);
    if (qwEntry >= IMAGE_ADDRESS_LIMIT)
        return Fail(strError, QStringLiteral("ELF 入口地址超出 4 GiB 地址空间"));
    if (qwEntry != 0) entry = static_cast<std::uint32_t>(qwEntry);  // 0: the file names none
    return true;
}

}  // namespace

// The image is the allocated sections' file bytes: the headers and padding that a segment
// also holds are no part of it. Only a file without section headers loads whole segments.
bool ReadElfImage(const QByteArray& file, CImageChunks& chunks, std::optional<std::uint32_t>& entry,
                  QString& strError) {
    const auto* pFile = reinterpret_cast<const std::uint8_t*>(file.constData());
    const auto qwSize = static_cast<std::uint64_t>(file.size());
    if (qwSize < 16 || (pFile[4] != ELF_CLASS_32 && pFile[4] != ELF_CLASS_64))
        return Fail(strError, QStringLiteral("ELF 文件的类别无效"));
    if (pFile[5] == ELF_DATA_BE) return Fail(strError, QStringLiteral("ELF 文件是大端格式"));
    if (pFile[5] != ELF_DATA_LE) return Fail(strError, QStringLiteral("ELF 文件的字节序无效"));
    const ElfFile elf{pFile, qwSize, pFile[4] == ELF_CLASS_32 ? ELF32 : ELF64};
    if (qwSize < elf.layout.nHeaderSize)
        return Fail(strError, QStringLiteral("ELF 文件头超出文件末尾"));
    CLoadSegments segments;
    HeaderTable sections;
    if (!ReadLoadSegments(elf, segments, strError) || !ReadSectionTable(elf, sections, strError) ||
        !ReadEntry(elf, entry, strError))
        return false;
    for (std::uint64_t i = 0; i < sections.qwCount; ++i) {
        if (!AddSection(elf, sections, i, segments, chunks, strError)) return false;
    }
    for (const LoadSegment& segment : segments.All()) {
        if (sections.qwCount > 0) break;
        if (!AddChunk(segment.qwPaddr, 0, segment.qwOffset, segment.qwFilesz,
                      QStringLiteral("程序段 %1").arg(segment.nIndex), chunks, strError))
            return false;
    }
    if (chunks.IsEmpty()) return Fail(strError, QStringLiteral("ELF 文件没有可加载的数据"));
    return true;
}
