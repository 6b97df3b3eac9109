#include "tests/firmware/workspace/FirmwareTestSupport.h"

#include <gtest/gtest.h>

#include "config/DeviceCatalogue.h"
#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/Workspace.h"
#include "log/RunLog.h"
#include "platform/CodePage.h"

void FirmwareTest::SetUp() {
    g_DeviceList.LoadFromBytes(
        ToCodePage(QString::fromUtf8("[FAMILY]\n0A=温度模块\n[0A]\n01=TC-8\n")));
    g_RunLog.m_bPaneEnabled[0] = true;
    g_RunLog.m_bFileEnabled[0] = false;
    g_RunLog.m_bShowTime = false;
    TakeLogLines();
}

void FirmwareTest::TearDown() {
    EXPECT_EQ(m_wnd.m_nUnscripted, 0)
        << "unexpected questions: " << m_wnd.m_questions.join(" | ").toStdString();
    g_RunLog.m_bPaneEnabled[0] = false;
    g_RunLog.m_bShowTime = true;
    g_DeviceList.LoadFromBytes("");
}

QStringList FirmwareTest::TakeLogLines() {
    QStringList lines = g_RunLog.TakePendingText().split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QString FirmwareTest::WriteImage(const char* pName, const QByteArray& bytes) {
    QString strPath = m_tmp.File(QString::fromLatin1(pName));
    WriteAllBytes(strPath, bytes);
    return strPath;
}

int FirmwareTest::MergeAndSave(const QString& strOut) {
    const MergeOptions options;
    if (!MergeFirmware(m_ws, m_wnd, options).Done()) return 0;
    ++m_nSaveDialogs;
    m_strProposedName = ProposedFirmwareName(m_ws);
    if (strOut.isEmpty()) return 0;
    m_strOutputPath = strOut;
    return SaveFirmwareFile(m_ws, strOut, options).Done() ? 1 : 0;
}

int FirmwareTest::InspectBoot(const QString& strPath) {
    const InspectionResult result = InspectBootLoaderFile(m_ws, m_wnd, strPath);
    if (result.Read()) m_strBootPanel = result.strReport;
    return result.bAccepted ? 1 : 0;
}

int FirmwareTest::InspectApp(const QString& strPath, const QString& strFileTitle) {
    const InspectionResult result = InspectAppFile(m_ws, m_wnd, strPath, strFileTitle);
    if (result.Read()) m_strAppPanel = result.strReport;
    return result.bAccepted ? 1 : 0;
}

QString Panel(const char* pName) {
    return QString::fromUtf8(
        ReadAllBytes(QStringLiteral(TEST_DATA_DIR "/") + QString::fromLatin1(pName)));
}
