#include <gtest/gtest.h>

#include "config/MHash.h"

TEST(MHash, NamesIgnoreTheCaseOfAsciiLettersOnly) {
    EXPECT_EQ(CompareNames(u"FAMILY", u"family"), 0);
    EXPECT_LT(CompareNames(u"a", u"B"), 0);
    EXPECT_LT(CompareNames(u"ab", u"abc"), 0);
    EXPECT_NE(CompareNames(u"\u00C4", u"\u00E4"), 0);  // no folding beyond A-Z
    // "Z" is compared as "z", so it sorts after "_" although 'Z' < '_' as a code unit.
    EXPECT_LT(CompareNames(u"_", u"a"), 0);
    EXPECT_GT(CompareNames(u"Z", u"_"), 0);

    MHash store;
    MHashSection& family = store.GetSection(QStringLiteral("FAMILY"));
    EXPECT_EQ(&store.GetSection(QStringLiteral("family")), &family);
    EXPECT_EQ(store.Count(), 1);
    store.GetSection(QStringLiteral("never filled"));
    EXPECT_EQ(store.Count(), 2);
    EXPECT_FALSE(family.HasKey(u"0a"));
    family.GetItem(QStringLiteral("0a")).value = QStringLiteral("x");
    EXPECT_TRUE(family.HasKey(u"0A"));
    EXPECT_EQ(family.GetItem(QStringLiteral("0A")).key, QStringLiteral("0a"));
    EXPECT_EQ(family.Count(), 1);
}

TEST(MHash, KeysAreHeldInNameOrder) {
    MHash store;
    MHashSection& section = store.GetSection(QStringLiteral("S"));
    for (const char16_t* pKey : {u"B", u"a", u"C"}) section.GetItem(QString::fromUtf16(pKey));
    ASSERT_EQ(section.Count(), 3);
    EXPECT_EQ(section.ItemAt(0).key, QStringLiteral("a"));
    EXPECT_EQ(section.ItemAt(1).key, QStringLiteral("B"));
    EXPECT_EQ(section.ItemAt(2).key, QStringLiteral("C"));
    store.GetSection(QStringLiteral("b"));
    store.GetSection(QStringLiteral("A"));
    EXPECT_EQ(store.SlotAt(0).name, QStringLiteral("A"));
    EXPECT_EQ(store.SlotAt(1).name, QStringLiteral("b"));
    EXPECT_EQ(store.SlotAt(2).name, QStringLiteral("S"));
}

TEST(MHash, FullSectionHandsOutItsOverflowItem) {
    MHash store;
    MHashSection& section = store.GetSection(QStringLiteral("S"));
    for (int i = 0; i < MHASH_ITEM_CAPACITY; ++i) {
        section.GetItem(QString::number(i)).value = QString::number(i);
    }
    EXPECT_EQ(section.Count(), 3000);
    EXPECT_TRUE(section.HasKey(u"2999"));
    MHashItem& overflow = section.GetItem(QStringLiteral("3000"));
    EXPECT_EQ(&overflow, &section.m_overflow);
    EXPECT_EQ(overflow.value, QStringLiteral("OverFlow"));
    EXPECT_EQ(section.Count(), 3000);
    EXPECT_FALSE(section.HasKey(u"3000"));
    overflow.value = QStringLiteral("assigned");
    EXPECT_EQ(section.GetItem(QStringLiteral("another")).value, QStringLiteral("assigned"));
    EXPECT_EQ(section.GetItem(QStringLiteral("1234")).value, QStringLiteral("1234"));
}

TEST(MHash, FullStoreSharesItsOverflowSection) {
    MHash store;
    for (int i = 0; i < MHASH_SECTION_CAPACITY; ++i) store.GetSection(QString::number(i));
    EXPECT_EQ(store.Count(), 300);
    MHashSection& first = store.GetSection(QStringLiteral("new one"));
    MHashSection& second = store.GetSection(QStringLiteral("new two"));
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.m_strName, QStringLiteral("OverFlow"));
    EXPECT_EQ(store.Count(), 300);
    first.GetItem(QStringLiteral("k")).value = QStringLiteral("shared");
    EXPECT_TRUE(second.HasKey(u"K"));
    EXPECT_EQ(second.GetItem(QStringLiteral("k")).value, QStringLiteral("shared"));
    EXPECT_NE(&store.GetSection(QStringLiteral("299")), &first);
}
