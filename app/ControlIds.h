#pragma once

// Control ids of the main window.
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
