#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <memory>

#include "firmware/workspace/ScriptedPrompts.h"
#include "firmware/workspace/Workspace.h"
#include "tests/support/ImageBuilder.h"
#include "tests/support/TempFolder.h"

// A panel text as the inspections must show it, from a golden file in tests/data.
QString Panel(const char* pName);

// Fresh workspace, catalogue and run log (pane text only, no stamp) for each test.
class FirmwareTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The run-log lines written since the last call.
    QStringList TakeLogLines();
    QString WriteImage(const char* pName, const QByteArray& bytes);
    // The merge button's road as the window takes it: the merge with its checks, then a save
    // to strOut (empty: the save dialog was cancelled). Records whether the save dialog was
    // reached and the name it would have proposed.
    int MergeAndSave(const QString& strOut = QString());
    // The inspections as the buttons run them: 1 when the image was taken; the panel shows the
    // report of a file that was read.
    int InspectBoot(const QString& strPath);
    int InspectApp(const QString& strPath, const QString& strFileTitle);

    int m_nSaveDialogs = 0;
    QString m_strProposedName;
    QString m_strBootPanel, m_strAppPanel, m_strOutputPath;  // null until set

    TempFolder m_tmp;
    std::unique_ptr<FirmwareWorkspace> m_pWorkspace = std::make_unique<FirmwareWorkspace>();
    FirmwareWorkspace& m_ws = *m_pWorkspace;
    CScriptedPrompts m_wnd;
};
