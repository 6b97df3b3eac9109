#include "tests/firmware/FirmwareTestSupport.h"

#include <gtest/gtest.h>

#include "config/DeviceCatalogue.h"
#include "firmware/Workspace.h"
#include "log/RunLog.h"

void ScriptedWindow::SetControlText(int nId, const QString& strText) { m_texts[nId] = strText; }

bool ScriptedWindow::AskYesNo(const QString& strQuestion) {
    m_questions.append(strQuestion);
    EXPECT_FALSE(m_answers.empty()) << "unexpected question: " << strQuestion.toStdString();
    if (m_answers.empty()) return false;
    bool bAnswer = m_answers.front();
    m_answers.pop_front();
    return bAnswer;
}

bool ScriptedWindow::ChooseOpenFile(QString& strPath) {
    if (m_openPaths.empty()) return false;
    strPath = m_openPaths.front();
    m_openPaths.pop_front();
    return true;
}

bool ScriptedWindow::ChooseSaveFile(const QString& strProposedName, const QString& strDefaultExt,
                                    QString& strPath) {
    ++m_nSaveDialogs;
    m_strProposedName = strProposedName;
    EXPECT_EQ(strDefaultExt, m_strExpectedExt);
    strPath = m_strSavePath;
    return !strPath.isEmpty();
}

void FirmwareTest::SetUp() {
    ResetFirmwareWorkspace();
    g_DeviceList.LoadFromBytes("[FAMILY]\n0A=温度模块\n[0A]\n01=TC-8\n");
    g_RunLog.m_bPaneEnabled[0] = 1;
    g_RunLog.m_bFileEnabled[0] = 0;
    g_RunLog.m_bShowTime = 0;
    TakeLogLines();
}

void FirmwareTest::TearDown() {
    g_RunLog.m_bPaneEnabled[0] = 0;
    g_RunLog.m_bShowTime = 1;
    g_DeviceList.LoadFromBytes("");
}

QStringList FirmwareTest::TakeLogLines() {
    QString strPending = g_RunLog.m_strPending[0];
    g_RunLog.m_strPending[0].clear();
    g_RunLog.m_bPending[0] = 0;
    QStringList lines = strPending.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QString FirmwareTest::WriteImage(const char* pName, const QByteArray& bytes) {
    QString strPath = m_tmp.File(QString::fromLatin1(pName));
    WriteAllBytes(strPath, bytes);
    return strPath;
}
