#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <cstdint>
#include <deque>

#include "firmware/ScriptedWindow.h"
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

    int m_nSaveDialogs = 0;
    QString m_strProposedName;

    TempFolder m_tmp;
    CScriptedWindow m_wnd;
};
