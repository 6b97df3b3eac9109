#pragma once

#include "cli/CliOptions.h"
#include "firmware/workspace/Prompts.h"

// The core's questions on a terminal: answered by -y/-n, or at the terminal.
class CCliPrompts : public IFirmwarePrompts {
public:
    explicit CCliPrompts(CliAnswer answer) : m_answer(answer) {}

    bool AskYesNo(const QString& strQuestion) override;

private:
    bool Answer();

    CliAnswer m_answer;
};
