#include "cli/CliPrompts.h"

#include <iostream>

#include "cli/CliAnswer.h"
#include "cli/StderrPane.h"
#include "log/RunLog.h"
#include "platform/Console.h"

bool CCliPrompts::Answer() {
    if (m_answer == CliAnswer::Yes) return true;
    if (m_answer == CliAnswer::No || !StdinIsTerminal()) return false;
    return ReadAnswer(std::cin, stderr);
}

bool CCliPrompts::AskYesNo(const QString& strQuestion) {
    // As in the window, everything logged before the question is shown first.
    g_RunLog.FlushOutput();
    PrintLines(stderr, QStringLiteral("问题: ") + strQuestion + QLatin1Char('\n'));
    const bool bYes = Answer();
    PrintLines(stderr, bYes ? QStringLiteral("回答: 是\n") : QStringLiteral("回答: 否\n"));
    return bYes;
}
