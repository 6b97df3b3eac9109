#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/QuorrixDlg.h"
#include "firmware/ScriptedWindow.h"
#include "tests/support/TempFolder.h"

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
