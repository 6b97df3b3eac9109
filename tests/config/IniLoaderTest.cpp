#include <gtest/gtest.h>

#include <QFile>

#include "config/MHash.h"
#include "tests/config/StoreDump.h"
#include "tests/support/SystemFiles.h"
#include "tests/support/TempFolder.h"

namespace {

QByteArray Golden(const char* pName) {
    return ReadAllBytes(QStringLiteral(TEST_DATA_DIR "/") + QString::fromLatin1(pName));
}

// Loads a golden input and compares the store with its checked-in expectation.
void ExpectGolden(const char* pInput, const char* pExpected, int nSections) {
    MHash store;
    EXPECT_EQ(store.LoadFromBytes(Golden(pInput)), nSections) << pInput;
    EXPECT_EQ(DumpStore(store), QString::fromUtf8(Golden(pExpected))) << pInput;
}

std::string CaptureStderr(MHash& store, const QString& strPath, int& nResult) {
    testing::internal::CaptureStderr();
    nResult = store.Load(strPath);
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(IniLoader, GoldenInputs) {
    ExpectGolden("lines.ini", "lines.expected", 4);
    ExpectGolden("bom.ini", "bom.expected", 1);
    ExpectGolden("bom-alone.ini", "bom-alone.expected", 1);
    ExpectGolden("nul-eof.ini", "nul-eof.expected", 1);
}

TEST(IniLoader, LineEndsCrLfLfAndLoneCr) {
    QByteArray lf = Golden("lines.ini");
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    MHash a, b, c;
    EXPECT_EQ(a.LoadFromBytes(lf), 4);
    EXPECT_EQ(b.LoadFromBytes(crlf), 4);
    EXPECT_EQ(DumpStore(a), DumpStore(b));
    // Lone CRs end no line: everything is one line, a comment.
    QByteArray cr = lf;
    cr.replace("\n", "\r");
    EXPECT_EQ(c.LoadFromBytes(cr), 0);
    // A CR that is not part of a line end stays in the value (a trailing one is trimmed).
    EXPECT_EQ(c.LoadFromBytes("[S]\r\nk=a\rb\r\r\n"), 1);
    EXPECT_EQ(c.GetSection(QStringLiteral("S")).GetItem(QStringLiteral("k")).value,
              QStringLiteral("a\rb"));
}

TEST(IniLoader, EmptyAndCommentOnlyFilesAndReloading) {
    MHash store;
    EXPECT_EQ(store.LoadFromBytes(""), 0);
    EXPECT_EQ(store.LoadFromBytes("# only\n; comments\n\n   \n"), 0);
    EXPECT_EQ(store.LoadFromBytes("[A]\nk=v\n[B]\nk=v\n"), 2);
    EXPECT_EQ(store.LoadFromBytes("[C]\nk=v\n"), 1);  // the earlier content is gone
    EXPECT_EQ(DumpStore(store), QStringLiteral("section \"C\" (1)\n  \"k\" = \"v\"\n"));
}

TEST(IniLoader, CapacitiesApplyInFileOrder) {
    QByteArray text;
    for (int s = 0; s < 301; ++s)
        text += "[S" + QByteArray::number(s) + "]\nk=" + QByteArray::number(s) + "\n";
    text += "[S0]\n";
    for (int k = 0; k < 3001; ++k)
        text += "key" + QByteArray::number(k) + "=" + QByteArray::number(k) + "\n";
    text += "last=one\n";
    MHash store;
    EXPECT_EQ(store.LoadFromBytes(text), 300);
    MHashSection& s0 = store.GetSection(QStringLiteral("S0"));
    EXPECT_EQ(s0.Count(), 3000);
    EXPECT_TRUE(s0.HasKey(u"key2998"));  // the 2999th key line of S0, after its k
    EXPECT_FALSE(s0.HasKey(u"key2999"));
    EXPECT_EQ(s0.m_overflow.value, QStringLiteral("one"));
    EXPECT_EQ(store.Overflow().Count(), 1);  // S300 went to the shared overflow section
    EXPECT_EQ(store.GetSection(QStringLiteral("S300")).GetItem(QStringLiteral("k")).value,
              QStringLiteral("300"));
}

TEST(IniLoader, CodePagesOfTheCatalogue) {
    const QString strText = QString::fromUtf8("[FAMILY]\n01=温度模块\n");
    MHash store;
    {
        ScopedCodePage codePage("GBK");
        const QByteArray bytes = "[FAMILY]\n01=" + QByteArray::fromHex("cec2b6c8c4a3bfe9") + "\n";
        EXPECT_EQ(store.LoadFromBytes(bytes), 1);
        EXPECT_EQ(store.GetSection(QStringLiteral("FAMILY")).GetItem(QStringLiteral("01")).value,
                  QString::fromUtf8("温度模块"));
        // A lead byte with nothing after it is no character, but it is not dropped either.
        store.LoadFromBytes("[S]\nk=a\x81\n");
        EXPECT_EQ(store.GetSection(QStringLiteral("S")).GetItem(QStringLiteral("k")).value,
                  QString::fromUtf8("a\uFFFD"));
    }
    {
        ScopedCodePage codePage("UTF-8");
        EXPECT_EQ(store.LoadFromBytes(strText.toUtf8()), 1);
        EXPECT_EQ(store.GetSection(QStringLiteral("FAMILY")).GetItem(QStringLiteral("01")).value,
                  QString::fromUtf8("温度模块"));
        // Invalid sequences decode to replacement characters.
        EXPECT_EQ(store.LoadFromBytes("[S]\nk=a\xff\xfe"
                                      "b\n"),
                  1);
        EXPECT_EQ(store.GetSection(QStringLiteral("S")).GetItem(QStringLiteral("k")).value,
                  QString::fromUtf8("a\uFFFD\uFFFDb"));
    }
}

TEST(IniLoader, AUtf8CatalogueReadsRightUnderGbk) {
    ScopedCodePage codePage("GBK");
    const QByteArray utf8 = QString::fromUtf8("[FAMILY]\n01=温度模块\n").toUtf8();
    const QByteArray gbk = "[FAMILY]\n01=" + QByteArray::fromHex("cec2b6c8c4a3bfe9") + "\n";
    MHash store;
    auto value = [&store](const QByteArray& bytes) {
        store.LoadFromBytes(bytes);
        return store.GetSection(QStringLiteral("FAMILY")).GetItem(QStringLiteral("01")).value;
    };
    EXPECT_EQ(value("\xEF\xBB\xBF" + utf8), QString::fromUtf8("温度模块"));
    EXPECT_EQ(value(utf8), QString::fromUtf8("温度模块"));
    EXPECT_EQ(value(gbk), QString::fromUtf8("温度模块"));
    // One byte that breaks UTF-8 anywhere in the file leaves it to the code page.
    EXPECT_EQ(value(utf8 + "[X]\nk=\xB0\xA1\n"), QString::fromUtf8("娓╁害妯″潡"));
}

TEST(IniLoader, FilesThatCannotBeOpened) {
    TempFolder tmp;
    MHash store;
    store.LoadFromBytes("[A]\nk=v\n");
    int nResult = 0;
    EXPECT_EQ(CaptureStderr(store, QStringLiteral("./DeviceList.Ini"), nResult),
              "Load MHash error, open file./DeviceList.Ini fail.\n");
    EXPECT_EQ(nResult, -1);
    EXPECT_EQ(store.Count(), 0);
    // A folder and a FIFO are refused the same way, without blocking.
    EXPECT_FALSE(CaptureStderr(store, tmp.Path(), nResult).empty());
    EXPECT_EQ(nResult, -1);
    if (MakeFifo(tmp.File("fifo"))) {
        CaptureStderr(store, tmp.File("fifo"), nResult);
        EXPECT_EQ(nResult, -1);
    }
    for (const QString& strDevice : {NullDevice(), ZeroDevice()}) {
        if (strDevice.isEmpty()) continue;
        CaptureStderr(store, strDevice, nResult);
        EXPECT_EQ(nResult, -1);
    }

    WriteAllBytes(tmp.File("DeviceList.Ini"), "[FAMILY]\n01=x\n");
    EXPECT_EQ(store.Load(QStringLiteral("./DeviceList.Ini")), 1);
}

TEST(IniLoader, EscapeWordsMatchReplacingEachWordInTurn) {
    MHash store;
    for (const char* pValue : {"<CR><CR><LF>", "<<LF>>", "<CR<LF>>", "<CR><LF><LF>", "a<LF", "<",
                               "<<CR>LF>", "<cr><CR>", "<LF><CR><LF><CR>"}) {
        QString strExpected = QString::fromLatin1(pValue);
        strExpected.replace("<CR><LF>", "\r\n").replace("<CR>", "\r").replace("<LF>", "\n");
        ASSERT_EQ(store.LoadFromBytes(QByteArray("[S]\nk=x") + pValue + "x\n"), 1);
        EXPECT_EQ(store.GetSection(QStringLiteral("S")).GetItem(QStringLiteral("k")).value,
                  "x" + strExpected + "x")
            << pValue;
    }
}
