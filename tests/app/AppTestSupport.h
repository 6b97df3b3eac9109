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
    ScriptedPrompts m_prompts;
    std::unique_ptr<CQuorrixDlg> m_pDlg;
};
