#pragma once

// The application object: fills the device catalogue and runs the main window once.
class CQuorrixApp {
public:
    CQuorrixApp() = default;

    // Always returns false: the process ends when the main window closes.
    bool InitInstance();
};

extern CQuorrixApp theApp;
