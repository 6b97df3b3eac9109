#include "cli/CliWindow.h"

#include <QDir>
#include <QFileInfo>
#include <iostream>

#include "cli/CliAnswer.h"
#include "cli/StderrPane.h"
#include "log/RunLog.h"
#include "platform/Console.h"

bool CCliWindow::Answer() {
    if (m_answer == CliAnswer::Yes) return true;
    if (m_answer == CliAnswer::No || !StdinIsTerminal()) return false;
    return ReadAnswer(std::cin, stderr);
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
    const QString strProposedFile = strProposedName + QLatin1Char('.') + strDefaultExt;
    QString strChosen = m_strSavePath.isEmpty() ? strProposedFile : m_strSavePath;
    // A folder as the output takes the proposed name inside it, as the save dialog would.
    if (QFileInfo(strChosen).isDir()) strChosen = QDir(strChosen).filePath(strProposedFile);
    strPath = QFileInfo(strChosen).absoluteFilePath();
    // The save dialog asks before it replaces a file; so does the terminal, unless forced.
    if (!m_bForce && QFileInfo(strPath).isFile() &&
        !AskYesNo(QDir::toNativeSeparators(strPath) + QStringLiteral(" 已存在。\r\n要替换它吗?"))) {
        return false;
    }
    m_strChosenSave = strPath;
    return true;
}
