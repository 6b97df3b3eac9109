#include "cli/CliWindow.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <iostream>
#include <string>

#include "cli/StderrPane.h"
#include "log/RunLog.h"

bool CCliWindow::Answer() {
    if (m_answer == CliAnswer::Yes) return true;
    if (m_answer == CliAnswer::No || !::isatty(STDIN_FILENO)) return false;
    std::fputs("[y/N] ", stderr);
    std::fflush(stderr);
    std::string line;
    if (!std::getline(std::cin, line)) return false;
    return line == "y" || line == "Y" || line == "yes" || line == "是";
}

bool CCliWindow::AskYesNo(const QString& strQuestion) {
    // As in the window, everything logged before the question is shown first.
    g_RunLog.FlushOutput();
    PrintLines(stderr, QStringLiteral("问题: ") + strQuestion + QLatin1Char('\n'));
    const bool bYes = Answer();
    PrintLines(stderr, bYes ? QStringLiteral("回答: 是\n") : QStringLiteral("回答: 否\n"));
    return bYes;
}

bool CCliWindow::ChooseOpenFile(QString& strPath) {
    strPath = QFileInfo(m_strOpenPath).absoluteFilePath();
    return !m_strOpenPath.isEmpty();
}

bool CCliWindow::ChooseSaveFile(const QString& strProposedName, const QString& strDefaultExt,
                                QString& strPath) {
    QString strChosen = m_strSavePath;
    if (strChosen.isEmpty()) strChosen = strProposedName + QLatin1Char('.') + strDefaultExt;
    strPath = QFileInfo(strChosen).absoluteFilePath();
    // The save dialog asks before it replaces a file; so does the terminal.
    if (QFileInfo::exists(strPath) &&
        !AskYesNo(QDir::toNativeSeparators(strPath) + QStringLiteral(" 已存在。\r\n要替换它吗?"))) {
        return false;
    }
    m_strChosenSave = strPath;
    return true;
}
