#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <cstdint>
#include <deque>

#include "firmware/FirmwareWindow.h"
#include "tests/support/ImageBuilder.h"
#include "tests/support/TempFolder.h"

// A window whose dialogs and questions are scripted; it records what it was asked and shown.
class ScriptedWindow : public IFirmwareWindow {
public:
    void SetControlText(int nId, const QString& strText) override;
    bool AskYesNo(const QString& strQuestion) override;
    bool ChooseOpenFile(QString& strPath) override;
    bool ChooseSaveFile(const QString& strProposedName, const QString& strDefaultExt,
                        QString& strPath) override;

    QMap<int, QString> m_texts;
    QStringList m_questions;
    std::deque<bool> m_answers;       // an unscripted question fails the test
    std::deque<QString> m_openPaths;  // empty: the dialog is cancelled
    QString m_strSavePath;            // empty: the dialog is cancelled
    QString m_strProposedName;
    QString m_strExpectedExt = QStringLiteral("bin");
    int m_nSaveDialogs = 0;
};

// Fresh workspace, catalogue and run log (pane text only, no stamp) for each test.
class FirmwareTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The run-log lines written since the last call.
    QStringList TakeLogLines();
    QString WriteImage(const char* pName, const QByteArray& bytes);

    TempFolder m_tmp;
    ScriptedWindow m_wnd;
};
