#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <deque>
#include <memory>

#include "app/QuorrixDlg.h"
#include "app/UserPrompts.h"
#include "tests/support/TempFolder.h"

// File dialogs and questions answered from a script; counts what was asked.
class ScriptedPrompts : public IUserPrompts {
public:
    bool AskYesNo(QWidget* pOwner, const QString& strQuestion) override;
    bool ChooseOpenFile(QWidget* pOwner, QString& strPath) override;
    bool ChooseSaveFile(QWidget* pOwner, const QString& strProposedName,
                        const QString& strDefaultExt, QString& strPath) override;

    std::deque<bool> m_answers;
    std::deque<QString> m_openPaths;  // empty: cancelled
    QString m_strSavePath;            // empty: cancelled
    QStringList m_questions;
    int m_nDialogs = 0;
};

// A shown main window in a temporary folder, with scripted prompts.
class DialogTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Lets the pane timer tick at least once.
    void Tick();
    QString PaneText() const;

    TempFolder m_tmp;
    ScriptedPrompts m_prompts;
    std::unique_ptr<CQuorrixDlg> m_pDlg;
};
