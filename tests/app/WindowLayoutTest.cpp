// The main window grows: panels and pane take the room, nothing is cut off or overlaps, in
// both languages.
#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include "app/DialogLayout.h"
#include "app/QuorrixDlg.h"
#include "app/Translations.h"
#include "app/WindowWorkspace.h"
#include "firmware/workspace/ScriptedPrompts.h"
#include "tests/app/AppTestSupport.h"

namespace {

class WindowLayout : public testing::TestWithParam<UiLanguage> {
protected:
    void SetUp() override { ASSERT_TRUE(InstallTranslations(GetParam())); }
    void TearDown() override { RemoveTranslations(); }
};

// Where a control's content is: a label's text, the whole of any other control.
QRect ContentRect(QWidget* pWidget) {
    auto* pLabel = qobject_cast<QLabel*>(pWidget);
    if (pLabel == nullptr) return pWidget->geometry();
    return QStyle::alignedRect(Qt::LeftToRight, pLabel->alignment(),
                               pLabel->sizeHint().boundedTo(pLabel->size()), pLabel->geometry());
}

// Every control inside the window, every text whole, no two overlapping.
void ExpectSoundLayout(QWidget& dlg) {
    const QList<QWidget*> controls = dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* pControl : controls) {
        EXPECT_TRUE(dlg.rect().contains(pControl->geometry()))
            << pControl->objectName().toStdString();
        if (auto* pLabel = qobject_cast<QLabel*>(pControl)) {
            EXPECT_GE(pLabel->width(), pLabel->sizeHint().width()) << pLabel->text().toStdString();
        }
        for (QWidget* pOther : controls) {
            if (pOther != pControl) {
                EXPECT_FALSE(ContentRect(pControl).intersects(ContentRect(pOther)))
                    << pControl->objectName().toStdString() << " "
                    << pOther->objectName().toStdString();
            }
        }
    }
}

QRect PlacedRect(CQuorrixDlg& dlg, int nId) {
    QWidget* pControl = dlg.Control(nId);
    if (auto* pArea = qobject_cast<QScrollArea*>(pControl->parentWidget()->parentWidget())) {
        return pArea->geometry();
    }
    return pControl->geometry();
}

}  // namespace

TEST_P(WindowLayout, PanelsAndPaneTakeTheRoomOfALargerWindow) {
    TempFolder tmp;
    CQuorrixDlg dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    ExpectSoundLayout(dlg);
    const QRect boot = PlacedRect(dlg, IDC_BOOT_INFO);
    const QRect app = PlacedRect(dlg, IDC_APP_INFO);
    const QRect pane = PlacedRect(dlg, IDC_OUTPUT_PANE);
    const QWidget* pFooter = dlg.findChildren<QLabel*>(Qt::FindDirectChildrenOnly).last();
    const QRect footer = pFooter->geometry();
    dlg.resize(dlg.size() + QSize(301, 201));
    QApplication::processEvents();
    ExpectSoundLayout(dlg);
    EXPECT_EQ(PlacedRect(dlg, IDC_BOOT_INFO).size(), boot.size() + QSize(150, 100));
    EXPECT_EQ(PlacedRect(dlg, IDC_APP_INFO).size(), app.size() + QSize(151, 100));
    EXPECT_EQ(PlacedRect(dlg, IDC_OUTPUT_PANE).size(), pane.size() + QSize(301, 101));
    EXPECT_EQ(pFooter->geometry(), footer.translated(301, 201));  // keeps to the corner
}

TEST_P(WindowLayout, APanelShowsEveryLineOfALongReport) {
    TempFolder tmp;
    CQuorrixDlg dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QString strReport;
    for (int i = 1; i <= 17; ++i) strReport += QStringLiteral("line %1: 0x08001000\r\n").arg(i);
    dlg.SetControlText(IDC_APP_INFO, strReport + QStringLiteral("the last line"));
    QApplication::processEvents();
    auto* pPanel = qobject_cast<QLabel*>(dlg.Control(IDC_APP_INFO));
    auto* pArea = qobject_cast<QScrollArea*>(pPanel->parentWidget()->parentWidget());
    ASSERT_NE(pArea, nullptr);
    // The text is never cut: the panel is as tall as the report, and scrolls to its end.
    EXPECT_GE(pPanel->height(), pPanel->heightForWidth(pPanel->width()));
    EXPECT_EQ(pArea->verticalScrollBar()->maximum(),
              std::max(0, pPanel->height() - pArea->viewport()->height()));
}

// Once both images are accepted, the layout strip shows at the bottom; the pane makes room
// for it at every size.
TEST_P(WindowLayout, TheShownLayoutStripTakesTheBottomOfThePanesRoom) {
    TempFolder tmp;
    ResetFirmwareWorkspace(g_Workspace);
    CScriptedPrompts prompts;
    CQuorrixDlg dlg;
    dlg.SetPrompts(&prompts);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.OpenImageFile(IDC_OPEN_BOOT, WriteBootImage(tmp, "boot.bin"));
    dlg.OpenImageFile(IDC_OPEN_APP, WriteAppImage(tmp, "AppX.bin"));
    QApplication::processEvents();
    ASSERT_TRUE(dlg.Control(IDC_LAYOUT_STRIP)->isVisible());
    ExpectSoundLayout(dlg);
    dlg.resize(dlg.size() + QSize(301, 201));
    QApplication::processEvents();
    ExpectSoundLayout(dlg);
    ResetFirmwareWorkspace(g_Workspace);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, WindowLayout,
                         testing::Values(UiLanguage::Chinese, UiLanguage::English),
                         [](const testing::TestParamInfo<UiLanguage>& info) {
                             return info.param == UiLanguage::Chinese ? "Chinese" : "English";
                         });
