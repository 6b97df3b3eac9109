#include "config/MHash.h"

#include <cstring>
#include <new>

namespace {

inline char16_t FoldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c; }

// Binary search over any table of names; on a miss nPlace is where the name belongs.
template <typename NameAt>
bool SearchNames(int nCount, QStringView strName, NameAt nameAt, int& nPlace) {
    int lo = 0;
    int hi = nCount - 1;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int nOrder = CompareNames(nameAt(mid), strName);
        if (nOrder < 0) {
            lo = mid + 1;
        } else if (nOrder > 0) {
            hi = mid - 1;
        } else {
            nPlace = mid;
            return true;
        }
    }
    nPlace = lo;
    return false;
}

}  // namespace

int CompareNames(QStringView a, QStringView b) {
    const qsizetype n = qMin(a.size(), b.size());
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        char16_t ca = FoldAscii(pa[i]);
        char16_t cb = FoldAscii(pb[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

MHashSection::MHashSection(QString strName, void* pItemBlock)
    : m_strName(std::move(strName)),
      m_items(static_cast<MHashItem*>(
          pItemBlock ? pItemBlock : ::operator new(sizeof(MHashItem) * MHASH_ITEM_CAPACITY))),
      m_order(new std::uint16_t[MHASH_ITEM_CAPACITY]) {}

MHashSection::~MHashSection() {
    for (int i = 0; i < m_nCount; ++i) m_items[i].~MHashItem();
    ::operator delete(m_items);
}

void* MHashSection::ReleaseItemBlock() {
    for (int i = 0; i < m_nCount; ++i) m_items[i].~MHashItem();
    m_nCount = 0;
    void* pBlock = m_items;
    m_items = static_cast<MHashItem*>(::operator new(0));
    return pBlock;
}

bool MHashSection::Find(QStringView strKey, int& nPlace) const {
    return SearchNames(
        m_nCount, strKey, [this](int i) { return QStringView(m_items[m_order[i]].key); }, nPlace);
}

bool MHashSection::HasKey(QStringView strKey) const {
    int nPlace = 0;
    return Find(strKey, nPlace);
}

MHashItem& MHashSection::GetItem(const QString& strKey) {
    int nPlace = 0;
    if (Find(strKey, nPlace)) return m_items[m_order[nPlace]];
    if (m_nCount >= MHASH_ITEM_CAPACITY) return m_overflow;
    std::memmove(&m_order[nPlace + 1], &m_order[nPlace],
                 sizeof(std::uint16_t) * static_cast<size_t>(m_nCount - nPlace));
    m_order[nPlace] = static_cast<std::uint16_t>(m_nCount);
    MHashItem* pItem = new (&m_items[m_nCount]) MHashItem{strKey, QString()};
    ++m_nCount;
    return *pItem;
}

MHash::MHash() = default;

MHash::~MHash() {
    Clear();
    for (void* pBlock : m_spareBlocks) ::operator delete(pBlock);
}

MHashSection& MHash::GetSection(const QString& strName) {
    int nPlace = 0;
    if (SearchNames(
            m_nCount, strName, [this](int i) { return QStringView(m_slots[i].name); }, nPlace)) {
        return *m_slots[nPlace].section;
    }
    if (m_nCount >= MHASH_SECTION_CAPACITY) return m_overflow;
    for (int i = m_nCount; i > nPlace; --i) m_slots[i] = std::move(m_slots[i - 1]);
    void* pBlock = nullptr;
    if (!m_spareBlocks.empty()) {
        pBlock = m_spareBlocks.back();
        m_spareBlocks.pop_back();
    }
    m_slots[nPlace].name = strName;
    m_slots[nPlace].section = std::make_unique<MHashSection>(strName, pBlock);
    ++m_nCount;
    return *m_slots[nPlace].section;
}

void MHash::Clear() {
    for (int i = 0; i < m_nCount; ++i) {
        m_spareBlocks.push_back(m_slots[i].section->ReleaseItemBlock());
        m_slots[i].section.reset();
        m_slots[i].name.clear();
    }
    m_nCount = 0;
}
