// The layout checks of a boot loader and an App, one fault at a time on a sound pair.
#include <gtest/gtest.h>

#include <QStringList>

#include "firmware/checks/LayoutChecks.h"
#include "tests/support/ImageBuilder.h"

namespace {

BlockFields Fields(std::uint16_t wType) {
    BlockFields f;
    f.wType = wType;
    return f;
}

QByteArray Image(int nLength, const BlockFields& f) {
    QByteArray image = MakeImage(nLength);
    PutBlock(image, 0x100, f);
    return image;
}

class LayoutChecks : public testing::Test {
protected:
    LayoutChecks() {
        m_input.boot = Image(3000, m_boot);
        m_input.bBootWhole = true;
        m_input.app = Image(20000, m_app);
    }

    VerifyCheck Run(const char* pName) const {
        for (const VerifyCheck& check : CheckLayout(m_input)) {
            if (check.strName == QLatin1String(pName)) return check;
        }
        ADD_FAILURE() << "no check " << pName;
        return {};
    }

    void Expect(const char* pName, bool bOk, const char* pText) const {
        const VerifyCheck check = Run(pName);
        EXPECT_EQ(check.bOk, bOk) << check.strText.toStdString();
        EXPECT_FALSE(check.bSkipped) << check.strText.toStdString();
        EXPECT_TRUE(check.strText.contains(QLatin1String(pText))) << check.strText.toStdString();
    }

    void ExpectSkipped(const char* pName, const char* pWhy) const {
        const VerifyCheck check = Run(pName);
        EXPECT_TRUE(check.bOk && check.bSkipped) << check.strText.toStdString();
        EXPECT_TRUE(check.strText.contains(QLatin1String(pWhy))) << check.strText.toStdString();
    }

    void SetApp(int nLength, const BlockFields& f) { m_input.app = Image(nLength, f); }

    BlockFields m_boot = Fields(0x0102), m_app = Fields(0x0301);
    LayoutInput m_input;
};

}  // namespace

TEST_F(LayoutChecks, SoundPairPassesEveryCheckInItsOrder) {
    QStringList names;
    for (const VerifyCheck& check : CheckLayout(m_input)) {
        names << check.strName;
        EXPECT_TRUE(check.bOk && !check.bSkipped) << check.strText.toStdString();
    }
    EXPECT_EQ(names.join(' '), QStringLiteral("bootCut appAddress bootTarget appStaging "
                                              "bootVectors appVectors"));
    m_input.bAppHasAddress = true;
    m_input.dwAppStart = 0x08001000;
    const auto checks = CheckLayout(m_input);
    ASSERT_EQ(checks.size(), 7u);
    EXPECT_EQ(checks[6].strName, QStringLiteral("startAddress"));
    EXPECT_TRUE(checks[6].bOk) << checks[6].strText.toStdString();
}

TEST_F(LayoutChecks, BootCutFindsCodePastTheRegionOnlyInAWholeBootLoader) {
    m_input.boot = Image(5000, m_boot);
    m_input.boot.replace(4096, 904, QByteArray(452, '\xFF') + QByteArray(452, '\0'));
    Expect("bootCut", true, "5000 bytes, only 0x00 and 0xFF past 4096");
    m_input.boot[0x1234] = 0x01;
    Expect("bootCut", false, "5000 bytes, code past 4096 is cut off: 0x01 at 0x1234");
    m_input.boot = Image(4096, m_boot);
    Expect("bootCut", true, "4096 bytes, within the 4096-byte region");
    m_input.bBootWhole = false;
    ExpectSkipped("bootCut", "only its first 4096 bytes");
}

TEST_F(LayoutChecks, AppAddressMustBeWhereTheMergePlacesTheApp) {
    m_app.dwAppAddress = 0x08004000;
    SetApp(20000, m_app);
    Expect("appAddress", false,
           "0x08004000 in its block, but the merge places the App at 0x08001000");
    m_input.app[0x100] = 0;
    ExpectSkipped("appAddress", "the App has no info block");
    m_input.app.truncate(0x11F);  // ends inside its block
    ExpectSkipped("appAddress", "the App has no info block");
}

TEST_F(LayoutChecks, BootTargetComparesBothBlocks) {
    m_boot.dwAppAddress = 0x08004000;
    m_input.boot = Image(3000, m_boot);
    Expect("bootTarget", false,
           "starts the App at 0x08004000, but the App's block says 0x08001000");
    m_input.boot[0x101] = 0;
    ExpectSkipped("bootTarget", "the boot loader has no info block");
    m_input.boot = Image(3000, m_boot);
    m_input.app.truncate(0x100);
    ExpectSkipped("bootTarget", "the App has no info block");
}

TEST_F(LayoutChecks, AppStagingFailsOnlyWhenTheAppRunsIntoAnAreaAboveIt) {
    struct Case {
        int nAppLength;
        std::uint32_t dwInfoStage, dwAppStage;
        bool bOk;
        const char* pText;
    };
    const Case cases[] = {
        // 128 KiB end exactly where an area starts: nothing overlaps.
        {0x20000, 0x08021000, 0xFFFFFFFF, true, "App end 0x08021000: no staging area"},
        {0x20000, 0x08020FFF, 0x08040000, false, "runs into the info staging area at 0x08020FFF"},
        {20000, 0x08022000, 0x08005E1F, false, "0x08005E20 runs into the App staging area at"},
        {20000, 0x08005000, 0x08004000, false, "area at 0x08005000 and the App staging area"},
        // Areas at or below the App's start (erased, or none) are not the App's neighbours.
        {20000, 0x08001000, 0x00000000, true, "(info 0x08001000, App 0x00000000)"},
    };
    for (const Case& c : cases) {
        m_app.dwInfoStage = c.dwInfoStage;
        m_app.dwAppStage = c.dwAppStage;
        SetApp(c.nAppLength, m_app);
        Expect("appStaging", c.bOk, c.pText);
    }
    m_input.app.truncate(0x110);
    ExpectSkipped("appStaging", "the App has no info block");
}

TEST_F(LayoutChecks, VectorsNeedSramStackAndThumbResetInsideTheImage) {
    struct Case {
        bool bApp;
        std::uint32_t dwStack, dwReset;
        bool bOk;
        const char* pText;
    };
    const Case cases[] = {
        {false, 0x10000000, 0x08000FFF, true, "reset odd in 0x08000000-0x08000FFF"},
        {false, 0x3FFFFFFC, 0x08000001, true, "stack word-aligned in 0x10000000-0x3FFFFFFF"},
        {false, 0x20002002, 0x08000121, false, "not a Cortex-M table: stack not word-aligned"},
        {false, 0x0FFFFFFC, 0x08000121, false, "stack outside 0x10000000-0x3FFFFFFF"},
        {false, 0x40000000, 0x08000121, false, "stack outside"},
        {false, 0x20002000, 0x08000120, false,
         "reset 0x08000120, not a Cortex-M table: reset "
         "address even"},
        {false, 0x20002000, 0x08001001, false, "reset address outside 0x08000000-0x08000FFF"},
        {false, 0x20002000, 0x07FFFFFF, false, "reset address outside"},
        {true, 0x20002000, 0x08005E1F, true, "reset odd in 0x08001000-0x08005E1F"},
        {true, 0x20002000, 0x08005E21, false, "reset address outside 0x08001000-0x08005E1F"},
        {true, 0x20002000, 0x08000121, false, "App vectors: stack 0x20002000, reset 0x08000121"},
        {true, 0x20002000, 0xFFFFFFFF, false, "reset address outside"},
    };
    for (const Case& c : cases) {
        BlockFields& f = c.bApp ? m_app : m_boot;
        f.dwStack = c.dwStack;
        f.dwReset = c.dwReset;
        m_input.boot = Image(3000, m_boot);
        SetApp(20000, m_app);
        Expect(c.bApp ? "appVectors" : "bootVectors", c.bOk, c.pText);
        f = Fields(f.wType);
    }
    m_input.boot = m_input.boot.left(7);
    Expect("bootVectors", false, "7 bytes, too short for the stack pointer and the reset address");
    m_input.app.clear();
    Expect("appVectors", false, "0 bytes, too short");
}

TEST_F(LayoutChecks, StartAddressOfInputsThatCarryOne) {
    m_input.bBootHasAddress = true;
    m_input.dwBootStart = 0x08004000;
    Expect("startAddress", false, "boot loader file starts at 0x08004000, not at the flash base");
    m_input.dwBootStart = 0x08000000;
    m_input.bAppHasAddress = true;
    m_input.dwAppStart = 0x08004000;
    Expect("startAddress", false,
           "App file starts at 0x08004000, not at its App address 0x08001000");
    m_input.dwAppStart = 0x08001000;
    Expect("startAddress", true, "flash base 0x08000000; App file starts at 0x08001000");
    m_input.app[0x100] = 0;
    Expect("startAddress", true, "App file's start not checked, the App has no info block");
    m_input.bBootHasAddress = false;
    ExpectSkipped("startAddress", "the App has no info block");
}
