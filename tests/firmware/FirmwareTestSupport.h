#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <cstdint>
#include <deque>

#include "firmware/FirmwareWindow.h"
#include "tests/support/TempFolder.h"

// The fields of one info block to write into a test image.
struct BlockFields {
    std::uint16_t wMagic = 0xAA55;
    std::uint16_t wType = 0x0101;
    std::uint16_t wSize = 32;
    std::uint16_t w8 = 0;   // boot version, or minor + major version
    std::uint16_t w10 = 0;  // chip type, or module type
    std::uint16_t w12 = 0;  // boot size, or App size
    std::uint16_t w14 = 0;  // code size
    std::uint32_t dwAppAddress = 0x08004000;
    std::uint32_t dwInfoStage = 0x08003000;
    std::uint32_t dwAppStage = 0x08020000;
};

// An image of nLength bytes: a byte pattern that is never zero, with blocks put on top.
QByteArray MakeImage(int nLength, char cFill = 0x5A);
void PutBlock(QByteArray& image, std::size_t nOffset, const BlockFields& fields);

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
    std::deque<bool> m_answers;      // an unscripted question fails the test
    std::deque<QString> m_openPaths;  // empty: the dialog is cancelled
    QString m_strSavePath;            // empty: the dialog is cancelled
    QString m_strProposedName;
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
