#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/QuorrixDlg.h"
#include "app/ScriptedFileDialogs.h"
#include "firmware/workspace/ScriptedPrompts.h"
#include "tests/support/TempFolder.h"

// A boot loader (type 1) and an App (type 3, version 1.05) of the given sizes, accepted
// without a question; written into the folder, returning their paths.
QString WriteBootImage(const TempFolder& tmp, const QString& strName, int nLength = 3000);
QString WriteAppImage(const TempFolder& tmp, const QString& strName, int nLength = 20000);

// The window's settings for the tests that bring no file of their own.
QString RunSettingsFile();

// A shown main window in a temporary folder, with scripted prompts.
class DialogTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Lets the pane timer tick at least once.
    void Tick();
    QString PaneText() const;

    TempFolder m_tmp;            // with the window's settings file
    CScriptedPrompts m_prompts;  // only its questions are used
    CScriptedFileDialogs m_dialogs;
    std::unique_ptr<CQuorrixDlg> m_pDlg;
};
