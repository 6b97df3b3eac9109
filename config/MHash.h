#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

inline constexpr int MHASH_SECTION_CAPACITY = 300;
inline constexpr int MHASH_ITEM_CAPACITY = 3000;

// Names compare code unit by code unit with A-Z folded to a-z; nothing else is folded.
// Returns <0, 0 or >0; a prefix sorts first.
int CompareNames(QStringView a, QStringView b);

struct MHashItem {
    QString key;
    QString value;
};

// A section of up to 3000 items kept in ascending name order of their keys.
class MHashSection {
public:
    explicit MHashSection(QString strName, void* pItemBlock = nullptr);
    ~MHashSection();
    MHashSection(const MHashSection&) = delete;
    MHashSection& operator=(const MHashSection&) = delete;

    // True when an item with that key exists; never inserts.
    bool HasKey(QStringView strKey) const;
    // The item with that key, inserted when missing; the overflow item when the section is
    // full and the key is missing.
    MHashItem& GetItem(const QString& strKey);

    int Count() const { return m_nCount; }
    // Empties the section and hands over its item block for a later section.
    void* ReleaseItemBlock();
    // The item at a place 0 to Count()-1 of the name order.
    const MHashItem& ItemAt(int nPlace) const { return m_items[m_order[nPlace]]; }

    QString m_strName;
    MHashItem m_overflow{QString(), QStringLiteral("OverFlow")};

private:
    // Binary search; on a miss nPlace is where the key belongs.
    bool Find(QStringView strKey, int& nPlace) const;

    int m_nCount = 0;
    // Items stay where they were first stored; the order table of 16-bit places is what moves
    // on insertion, so filling a section costs little even in shuffled order. The block for all
    // 3000 items is reserved at once, but an item is built only when it is inserted.
    MHashItem* m_items;
    std::unique_ptr<std::uint16_t[]> m_order;
};

struct MHashSlot {
    QString name;
    std::unique_ptr<MHashSection> section;
};

// The keyed store of configuration text: up to 300 named sections.
// 300 sections of 3000 items fit in a few MB; a larger file is no catalogue, and reading it
// would take seconds and gigabytes before the window shows.
inline constexpr qint64 CATALOGUE_SIZE_LIMIT = 64 * 1024 * 1024;

class MHash {
public:
    MHash();
    ~MHash();
    MHash(const MHash&) = delete;
    MHash& operator=(const MHash&) = delete;

    // The section with that name, created when missing; the overflow section "OverFlow"
    // when the store is full and the name is missing.
    MHashSection& GetSection(const QString& strName);

    // Empties the store and fills it from an INI text file whose path is converted to the
    // code page. Returns the number of sections, or -1 when the file cannot be opened (a
    // message then goes to standard error), or -2 when it is longer than
    // CATALOGUE_SIZE_LIMIT (the store stays empty; *pstrRefusal, when given, says why).
    int Load(const QString& strPath, QString* pstrRefusal = nullptr);
    // The same over text already in memory; never fails.
    int LoadFromBytes(QByteArrayView text);

    void Clear();
    int Count() const { return m_nCount; }
    const MHashSlot& SlotAt(int nPlace) const { return m_slots[nPlace]; }
    const MHashSection& Overflow() const { return m_overflow; }

private:
    int m_nCount = 0;
    MHashSlot m_slots[MHASH_SECTION_CAPACITY];
    // Item blocks of deleted sections, so that reloading reuses memory already touched.
    std::vector<void*> m_spareBlocks;
    MHashSection m_overflow{QStringLiteral("OverFlow")};
};
