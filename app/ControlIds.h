#pragma once

// Control ids of the main window: those of its dialog template, then the arrows of the
// recent-files menus, the verify and compare buttons, the picture of the merged layout and the
// flash button.
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
    IDC_RECENT_BOOT = 1101,
    IDC_RECENT_APP = 1103,
    IDC_VERIFY = 1111,
    IDC_COMPARE = 1112,
    IDC_LAYOUT_STRIP = 1113,
    IDC_FLASH = 1114,
};
