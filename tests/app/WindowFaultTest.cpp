// The faults a first-time user met in the window, one test each.
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/AboutDlg.h"
#include "app/FileDialogs.h"
#include "app/UserPrompts.h"
#include "tests/app/AppTestSupport.h"

namespace {

class WindowFault : public DialogTest {};

// Runs fnInspect on the next modal box or popup once it is up, then closes it.
void OnNextBox(std::function<void(QWidget*)> fnInspect) {
    QTimer::singleShot(150, [fnInspect] {
        QWidget* pBox = QApplication::activePopupWidget();
        if (pBox == nullptr) pBox = QApplication::activeModalWidget();
        if (pBox == nullptr) return;
        fnInspect(pBox);
        if (pBox->isVisible()) pBox->close();
    });
}

}  // namespace

TEST_F(WindowFault, IconResourceReachesTheProgramAndTheAboutBox) {
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/icons/quorrix.png")));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/icons/quorrix-16.png")));
    CAboutDlg about(m_pDlg.get());
    auto* pIcon = about.findChild<QLabel*>(QStringLiteral("icon"));
    ASSERT_NE(pIcon, nullptr);
    EXPECT_FALSE(pIcon->pixmap().isNull());
}

TEST_F(WindowFault, TabAndShiftTabLeaveTheOutputPane) {
    Tick();
    QWidget* pPane = m_pDlg->Control(IDC_OUTPUT_PANE);
    pPane->setFocus();
    QTest::keyClick(pPane, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), pPane);
    pPane->setFocus();
    QTest::keyClick(pPane, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), m_pDlg->Control(IDC_OUTPUT_PATH));
    EXPECT_FALSE(PaneText().contains(QLatin1Char('\t')));
}

TEST_F(WindowFault, AcceptingTheProposedSaveNameKeepsTheBinExtension) {
    CQtFileDialogs dialogs(m_pDlg.get());
    OnNextBox([](QWidget* pBox) {
        if (qobject_cast<QFileDialog*>(pBox)) QMetaObject::invokeMethod(pBox, "accept");
    });
    QString strPath;
    int nFormat = 0;
    ASSERT_TRUE(dialogs.ChooseSaveFile(QStringLiteral("TC8_App_1.05.bin"), strPath, nFormat));
    EXPECT_EQ(QFileInfo(strPath).fileName(), QStringLiteral("TC8_App_1.05.bin"));
}

TEST_F(WindowFault, LongInfoPanelLinesWrap) {
    auto* pPanel = qobject_cast<QLabel*>(m_pDlg->Control(IDC_BOOT_INFO));
    QString strLine = QStringLiteral("对应模块类型: 0A01 ");
    for (int i = 0; i < 12; ++i) strLine += QStringLiteral("TemperatureModule ");
    m_pDlg->SetControlText(IDC_BOOT_INFO, strLine + QStringLiteral("\r\n"));
    EXPECT_GE(pPanel->heightForWidth(pPanel->width()), 3 * pPanel->fontMetrics().lineSpacing());
}

TEST_F(WindowFault, AboutBoxHasAFixedSize) {
    CAboutDlg about(m_pDlg.get());
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowFault, OnlyAPlainEscapeIsSwallowed) {
    QList<QKeyCombination> passed;
    m_pDlg->SetBasePreTranslate([&passed](QObject*, QEvent* pEvent) {
        if (pEvent->type() == QEvent::KeyPress) {
            auto* pKey = static_cast<QKeyEvent*>(pEvent);
            passed.append(pKey->keyCombination());
        }
        return false;
    });
    QWidget* pEdit = m_pDlg->Control(IDC_BOOT_PATH);
    QTest::keyClick(pEdit, Qt::Key_Escape);
    QTest::keyClick(pEdit, Qt::Key_Escape, Qt::AltModifier);
    m_pDlg->SetBasePreTranslate(nullptr);
    EXPECT_TRUE(passed.contains(QKeyCombination(Qt::AltModifier, Qt::Key_Escape)));
    EXPECT_FALSE(passed.contains(QKeyCombination(Qt::Key_Escape)));
    EXPECT_TRUE(m_pDlg->isVisible());
}

TEST_F(WindowFault, MainWindowIsANormalTopLevelWindow) {
    EXPECT_EQ(m_pDlg->windowType(), Qt::Window);
    ASSERT_NE(m_pDlg->windowHandle(), nullptr);
    EXPECT_EQ(m_pDlg->windowHandle()->type(), Qt::Window);
    EXPECT_FALSE(m_pDlg->windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(WindowFault, EditAndPaneMenusOfferTheAboutBox) {
    for (int nId : {IDC_BOOT_PATH, IDC_OUTPUT_PANE}) {
        QWidget* pTarget = m_pDlg->Control(nId);
        if (auto* pPane = qobject_cast<QPlainTextEdit*>(pTarget)) pTarget = pPane->viewport();
        QStringList items;
        OnNextBox([&items](QWidget* pMenu) {
            for (QAction* pAction : pMenu->actions()) items.append(pAction->text());
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                pTarget->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(pTarget, &event);
        ASSERT_GE(items.size(), 3) << nId;  // the edit's own items stay
        EXPECT_EQ(items.last(), QString::fromUtf8("关于 Quorrix(&A)...")) << nId;
    }
}
