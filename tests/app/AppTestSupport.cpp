#include "tests/app/AppTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include "app/FileHistory.h"
#include "app/WindowWorkspace.h"
#include "log/RunLog.h"
#include "tests/support/ImageBuilder.h"

QString WriteBootImage(const TempFolder& tmp, const QString& strName, int nLength) {
    QByteArray boot = MakeImage(nLength);
    BlockFields b;
    b.wType = 0x0102;
    PutBlock(boot, 0x100, b);
    WriteAllBytes(tmp.File(strName), boot);
    return tmp.File(strName);
}

QString WriteAppImage(const TempFolder& tmp, const QString& strName, int nLength) {
    QByteArray app = MakeImage(nLength);
    BlockFields a;
    a.wType = 0x0301;
    a.w8 = 0x0105;
    PutBlock(app, 0x100, a);
    WriteAllBytes(tmp.File(strName), app);
    return tmp.File(strName);
}

QString RunSettingsFile() {
    static QTemporaryDir s_dir;
    return s_dir.filePath(QStringLiteral("Quorrix.ini"));
}

void DialogTest::SetUp() {
    ResetFirmwareWorkspace(g_Workspace);
    SetWindowSettingsFile(m_tmp.File("Quorrix.ini"));  // each test starts with nothing remembered
    m_pDlg = std::make_unique<CQuorrixDlg>();
    m_pDlg->SetPrompts(&m_prompts);
    m_pDlg->SetFileDialogs(&m_dialogs);
    m_pDlg->show();
    QApplication::setActiveWindow(m_pDlg.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDlg.get()));
}

void DialogTest::TearDown() {
    m_pDlg.reset();
    SetWindowSettingsFile(RunSettingsFile());
    g_RunLog.FlushOutput();
    g_RunLog.DetachOutputWnd();
    g_RunLog.CloseLogFiles();
    g_RunLog.m_bPaneEnabled[0] = false;
    g_RunLog.m_bFileEnabled[0] = false;
}

void DialogTest::Tick() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 250) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

QString DialogTest::PaneText() const { return m_pDlg->ControlText(IDC_OUTPUT_PANE); }
