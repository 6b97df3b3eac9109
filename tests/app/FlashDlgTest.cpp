// The flash window against the stand-in GDB server: the core runs on its worker thread, its
// question is asked on the window's, and the window keeps handling events meanwhile.
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/FlashDlg.h"
#include "tests/app/AppTestSupport.h"
#include "tests/firmware/probe/StandInServer.h"
#include "tests/support/ImageBuilder.h"

TEST_F(DialogTest, FlashWindowReadsAndFlashesWhileItStaysResponsive) {
    StandInConfig config;
    config.nPacketSize = 0x400;  // many packets, each read back
    config.bCrc = false;
    config.nReplyDelayMs = 1;
    CStandInServer server(config);
    server.SetFlash(CStandInServer::FLASH_BASE, MakeMergedImage(0x9000, 0x0104, 0x0022));
    const QByteArray image = MakeMergedImage(0x9000, 0x0105, 0x0021);
    CFlashDlg dlg(m_pDlg.get(), m_prompts, m_dialogs);
    dlg.SetAddress(server.Address());
    dlg.SetImage(image, QStringLiteral("test"));
    dlg.show();

    QTest::mouseClick(dlg.ReadButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!dlg.Busy(), 10000);
    EXPECT_TRUE(dlg.ModuleText().contains(QStringLiteral("* 应用区版本:   1.04")))
        << dlg.ModuleText().toStdString();
    EXPECT_TRUE(dlg.ModuleText().contains(QStringLiteral("  启动区版本")));  // the same line

    int nTicks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&nTicks] { ++nTicks; });
    ticker.start(5);
    m_prompts.m_answers = {true};  // another module type: flash all the same
    QTest::mouseClick(dlg.FlashButton(), Qt::LeftButton);
    EXPECT_TRUE(dlg.Busy());
    EXPECT_TRUE(dlg.CancelButton()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!dlg.Busy(), 20000);
    EXPECT_TRUE(dlg.ResultText().startsWith(QStringLiteral("烧写成功")))
        << dlg.ResultText().toStdString();
    EXPECT_EQ(m_prompts.m_questions.size(), 1);
    EXPECT_EQ(server.Flash(CStandInServer::FLASH_BASE, image.size()), image);
    EXPECT_GT(nTicks, 2) << "the window handled no events while the core flashed";
    EXPECT_FALSE(dlg.ModuleText().contains(QStringLiteral("* ")));  // it holds the image now
}
