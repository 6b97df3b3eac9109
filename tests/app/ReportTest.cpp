#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/CompareReportDlg.h"
#include "app/LayoutStrip.h"
#include "app/Translations.h"
#include "app/VerifyReportDlg.h"
#include "app/VerifyTexts.h"
#include "firmware/workspace/Digest.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/ImageBuilder.h"

namespace {

// A boot loader of 3000 bytes and an App of 20000 accepted in the window, and the file the
// window merged from them.
class Reports : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        m_dialogs.m_openPaths = {WriteBootImage(m_tmp, "boot.bin"),
                                 WriteAppImage(m_tmp, "AppX.bin")};
        m_dialogs.m_strSavePath = m_strMerged = m_tmp.File("fw.bin");
        Click(QString::fromUtf8("打开文件..."), 0);
        Click(QString::fromUtf8("打开文件..."), 1);
        Click(QString::fromUtf8("合成固件..."));
        m_merged = ReadAllBytes(m_strMerged);
    }
    void Click(const QString& strText, int nIndex = 0) {
        QList<QPushButton*> buttons;
        for (QPushButton* pButton : m_pDlg->findChildren<QPushButton*>()) {
            if (pButton->text() == strText) buttons.append(pButton);
        }
        ASSERT_GT(buttons.size(), nIndex) << strText.toStdString();
        QTest::mouseClick(buttons[nIndex], Qt::LeftButton);
    }
    template <class T>
    T* LastReport() {
        const QList<T*> reports = m_pDlg->findChildren<T*>();
        return reports.isEmpty() ? nullptr : reports.last();
    }
    QString Write(const char* pName, const QByteArray& bytes) {
        WriteAllBytes(m_tmp.File(QString::fromLatin1(pName)), bytes);
        return m_tmp.File(QString::fromLatin1(pName));
    }

    QString m_strMerged;
    QByteArray m_merged;
};

QStringList Column(const QTreeWidget* pRows, int nColumn) {
    QStringList texts;
    for (int i = 0; i < pRows->topLevelItemCount(); ++i)
        texts.append(pRows->topLevelItem(i)->text(nColumn));
    return texts;
}

const CLayoutStrip::Item* FindItem(const std::vector<CLayoutStrip::Item>& items, LayoutKind kind) {
    for (const CLayoutStrip::Item& item : items) {
        if (item.span.kind == kind) return &item;
    }
    return nullptr;
}

}  // namespace

TEST_F(Reports, VerifyShowsEveryCheckAgainstTheAcceptedPairAndLogsTheVerdict) {
    ASSERT_EQ(m_merged.size(), 24096);
    QByteArray broken = m_merged;
    broken[0x1100] = 0;  // block 2 loses its marker
    const QString strBroken = Write("broken.bin", broken);
    m_dialogs.m_openPaths = {m_strMerged, strBroken};
    Click(QString::fromUtf8("校验固件..."));
    CVerifyReportDlg* pSound = LastReport<CVerifyReportDlg>();
    ASSERT_NE(pSound, nullptr);
    const QStringList names = {"length",     "block1",     "block2",      "appPart",
                               "bootRegion", "appBytes",   "bootCut",     "appAddress",
                               "bootTarget", "appStaging", "bootVectors", "appVectors"};
    EXPECT_EQ(Column(pSound->Rows(), 1), names);
    EXPECT_EQ(Column(pSound->Rows(), 0), QStringList(12, QString::fromUtf8("通过")));
    EXPECT_TRUE(pSound->FootText().contains(QString::asprintf("CRC-32: %08x", Crc32(m_merged))));
    // The layout checks speak the window's language too, piece by piece.
    EXPECT_EQ(pSound->Rows()->topLevelItem(7)->text(2),
              QString::fromUtf8("App 信息块中的 App 地址为 0x08001000, 正是合成时 App 所在的位置"));

    Click(QString::fromUtf8("校验固件..."));
    CVerifyReportDlg* pBroken = LastReport<CVerifyReportDlg>();
    ASSERT_NE(pBroken, pSound);
    const QTreeWidget* pRows = pBroken->Rows();
    for (int i = 0; i < pRows->topLevelItemCount(); ++i) {
        const bool bFails = names[i] == "block2" || names[i] == "appBytes";
        EXPECT_EQ(pRows->topLevelItem(i)->text(0), QString::fromUtf8(bFails ? "未通过" : "通过"));
        EXPECT_EQ(pRows->topLevelItem(i)->background(2).color() == QColor(255, 228, 228), bFails)
            << names[i].toStdString();
    }
    EXPECT_EQ(pRows->topLevelItem(5)->text(2),
              QString::fromUtf8("App 部分在 0x1100 (App 偏移 0x0100) 处与 App 不同: 映像中为 0x00, "
                                "App 中为 0x55"));
    EXPECT_TRUE(pBroken->ReportText().contains(QString::fromUtf8("12 项检查中 2 项未通过")));
    const auto items = pBroken->Strip()->Items();
    QStringList failed;
    for (const CLayoutStrip::Item& item : items) {
        if (item.span.kind == LayoutKind::FailedCheck && item.span.dwStart == 0x08001100)
            failed.append(item.span.strCheck);
    }
    EXPECT_EQ(failed, QStringList({"block2", "appBytes"}));
    // The later one is drawn on top.
    EXPECT_EQ(pBroken->Strip()->ToolTipAt(FindItem(items, LayoutKind::FailedCheck)->rect.center()),
              QString::fromUtf8("未通过的检查 appBytes: 0x08001100"));

    Tick();
    EXPECT_TRUE(PaneText().contains(QString::fromUtf8("] 校验 File ") + Native(m_strMerged) +
                                    QString::fromUtf8(" = 通过\n")));
    EXPECT_TRUE(PaneText().contains(QString::fromUtf8("] 校验 File ") + Native(strBroken) +
                                    QString::fromUtf8(" = 2 项未通过\n")));
}

TEST_F(Reports, EnglishRowsReadAsTheCommandLinePrintsThem) {
    VerifyReference ref;
    ref.bHasBoot = ref.bHasApp = true;
    ref.boot = ReadAllBytes(m_tmp.File("boot.bin"));
    ref.app = ReadAllBytes(m_tmp.File("AppX.bin"));
    QByteArray wrongType = m_merged, changed = m_merged, longer = m_merged + QByteArray(200000, 1);
    wrongType[0x101 + 1] = 0x03;  // block 1 says App
    changed[0x0800] = 0x11;
    changed[0x3000] = 0x22;
    ASSERT_TRUE(InstallTranslations(UiLanguage::English));
    for (const QByteArray& image : {m_merged, wrongType, changed, longer, m_merged.left(0x1110),
                                    m_merged.left(3000), m_merged.left(0x1000 + 100)}) {
        for (const VerifyCheck& check : VerifyFirmwareImage(image, ref))
            EXPECT_EQ(VerifyRowText(check), check.strText) << image.size();
    }
    RemoveTranslations();
}

TEST_F(Reports, CompareMarksTheDifferingFieldsAndCountsTheBytes) {
    QByteArray other = m_merged + QByteArray(10, 0);
    other[0x1108] = 0x07;  // the App's minor version in block 2
    m_dialogs.m_openPaths = {m_strMerged, Write("other.bin", other)};
    Click(QString::fromUtf8("比较固件..."));
    CCompareReportDlg* pReport = LastReport<CCompareReportDlg>();
    ASSERT_NE(pReport, nullptr);
    const QStringList marks = Column(pReport->Rows(), 0);
    const QStringList fields = Column(pReport->Rows(), 1);
    ASSERT_EQ(marks.count("*"), 1);
    const qsizetype nMarked = marks.indexOf("*");
    EXPECT_EQ(fields[nMarked], QString::fromUtf8("App 版本"));
    EXPECT_GT(nMarked, fields.indexOf(QString::fromUtf8("块 2 位于 0x1100")));
    EXPECT_EQ(pReport->Rows()->topLevelItem(static_cast<int>(nMarked))->text(3),
              QStringLiteral("1.07"));
    EXPECT_EQ(pReport->FootText(),
              QString::fromUtf8("第一个不同之处在 0x1108: A 中为 0x05, B 中为 0x07\n"
                                "不同的字节数: 11 (A 24096 字节, B 24106 字节)"));
}

TEST_F(Reports, TheStripShowsTheAcceptedPairOnTheAddressAxis) {
    auto* pStrip = m_pDlg->findChild<CLayoutStrip*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(pStrip, nullptr);
    EXPECT_TRUE(pStrip->isVisible());
    const auto items = pStrip->Items();
    const auto* pCode = FindItem(items, LayoutKind::BootCode);
    const auto* pPad = FindItem(items, LayoutKind::BootPadding);
    const auto* pApp = FindItem(items, LayoutKind::App);
    const auto* pStage = FindItem(items, LayoutKind::AppStage);
    ASSERT_TRUE(pCode && pPad && pApp && pStage && FindItem(items, LayoutKind::InfoStage));
    EXPECT_EQ(pCode->span.dwLength, 3000u);
    EXPECT_EQ(pPad->rect.left(), pCode->rect.right() + 1);
    EXPECT_EQ(pApp->rect.left(), pPad->rect.right() + 1);
    EXPECT_EQ(pStrip->AxisEnd(), 0x08028000u);  // the App's staging area ends at 0x08027E20
    EXPECT_GT(pStage->rect.top(), pApp->rect.bottom());  // staging areas lie below
    EXPECT_EQ(pStrip->ToolTipAt(pApp->rect.center()),
              QString::fromUtf8("App: 0x08001000-0x08005E1F, 20000 字节"));
    EXPECT_EQ(pStrip->ToolTipAt(FindItem(items, LayoutKind::InfoBlock2)->rect.center()),
              QString::fromUtf8("信息块 2 (App 的信息块): 0x08001100-0x0800111F"));
    EXPECT_TRUE(FindItem(items, LayoutKind::FailedCheck) == nullptr);
}

// The strip and the verify report judge the boot loader the merge would take, all of it: code
// past the 65536 bytes the workspace keeps shows as it does in the merge.
TEST_F(Reports, TheStripAndTheReportSeeTheWholeBootLoaderAsTheMergeDoes) {
    QByteArray boot = ReadAllBytes(m_tmp.File("boot.bin"));
    boot += QByteArray(70000 - boot.size(), '\xFF');
    boot[69999] = 0x7F;
    m_dialogs.m_openPaths = {Write("long.bin", boot), m_strMerged};
    Click(QString::fromUtf8("打开文件..."), 0);
    auto* pStrip = m_pDlg->findChild<CLayoutStrip*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(pStrip, nullptr);
    const auto items = pStrip->Items();
    const auto* pFailed = FindItem(items, LayoutKind::FailedCheck);
    ASSERT_NE(pFailed, nullptr);
    EXPECT_EQ(pFailed->span.strCheck, QStringLiteral("bootCut"));
    Click(QString::fromUtf8("校验固件..."));
    CVerifyReportDlg* pReport = LastReport<CVerifyReportDlg>();
    ASSERT_NE(pReport, nullptr);
    const QTreeWidgetItem* pCut = pReport->Rows()->topLevelItem(6);
    EXPECT_EQ(pCut->text(1), QStringLiteral("bootCut"));
    EXPECT_EQ(pCut->text(0), QString::fromUtf8("未通过"));
    EXPECT_EQ(pCut->text(2),
              QString::fromUtf8("BootLoader 截断: 70000 字节, 4096 之后的代码被截掉: "
                                "0x1116F 处为 0x7F"));
}
