#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/QuorrixDlg.h"
#include "firmware/ScriptedWindow.h"
#include "tests/support/TempFolder.h"

// A boot loader (type 1) and an App (type 3, version 1.05) of the given sizes, accepted
// without a question; written into the folder, returning their paths.
QString WriteBootImage(const TempFolder& tmp, const QString& strName, int nLength = 3000);
QString WriteAppImage(const TempFolder& tmp, const QString& strName, int nLength = 20000);

// A shown main window in a temporary folder, with scripted prompts.
class DialogTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Lets the pane timer tick at least once.
    void Tick();
    QString PaneText() const;

    TempFolder m_tmp;
    CScriptedWindow m_prompts;  // only its prompts are used
    std::unique_ptr<CQuorrixDlg> m_pDlg;
};
