#pragma once

#include <QString>

// The questions the firmware code asks. The window program shows them, the command-line tool
// answers them from its command line, and a scripted double answers them for tests, fuzzing
// and the screenshot tool. Choosing a file is the window's own business.
class IFirmwarePrompts {
public:
    virtual ~IFirmwarePrompts() = default;
    // A yes/no question; true for Yes.
    virtual bool AskYesNo(const QString& strQuestion) = 0;
    // The report that the next question is about (an inspection's panel as it stands then),
    // for an asker that shows it beside the question. The report also comes back in the
    // inspection's result.
    virtual void ShowReport(const QString& strReport) { Q_UNUSED(strReport); }
};
