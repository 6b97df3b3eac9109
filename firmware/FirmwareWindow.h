#pragma once

#include <QString>

// Control ids of the main window, shared by the window and the firmware code.
enum : int {
    IDC_BOOT_PATH = 1000,
    IDC_OPEN_BOOT = 1001,
    IDC_OPEN_APP = 1003,
    IDC_APP_PATH = 1004,
    IDC_MERGE = 1005,
    IDC_OUTPUT_PATH = 1006,
    IDC_OUTPUT_PANE = 1007,
    IDC_BOOT_INFO = 1008,
    IDC_APP_INFO = 1009,
    IDC_ADDRESS_OFFSET = 1010,
};

// The questions the firmware code asks. The window program shows them, the command-line tool
// answers them from its command line, and a scripted double answers them for tests, fuzzing
// and the screenshot tool. Choosing a file is the window's own business.
class IFirmwarePrompts {
public:
    virtual ~IFirmwarePrompts() = default;
    // A yes/no question; true for Yes.
    virtual bool AskYesNo(const QString& strQuestion) = 0;
};

// What the firmware code needs of its window: the prompts, and the texts of its controls.
class IFirmwareWindow : public IFirmwarePrompts {
public:
    virtual void SetControlText(int nId, const QString& strText) = 0;
};
