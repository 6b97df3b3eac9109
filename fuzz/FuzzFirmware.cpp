// The input as a file: inspected as a boot loader and as an App, then merged and saved, with
// questions answered Yes and No in turn.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>

#include "firmware/Handlers.h"
#include "firmware/ScriptedWindow.h"
#include "log/RunLog.h"

namespace {

QString FuzzFile(const char* pSuffix) {
    return QDir::tempPath() + QStringLiteral("/quorrix-fuzz-%1.%2").arg(::getpid()).arg(pSuffix);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    static const QString strIn = FuzzFile("in");
    static const QString strOut = FuzzFile("out");
    g_RunLog.m_bPaneEnabled[0] = 1;
    QFile file(strIn);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(pData), static_cast<qint64>(nSize));
    file.close();
    CScriptedWindow wnd;  // questions answered Yes and No in turn
    wnd.m_answers = {true, false, true, false, true, false, true, false};
    wnd.m_strSavePath = strOut;
    InspectBootLoaderFile(wnd, strIn);
    InspectAppFile(wnd, strIn, QStringLiteral("fuzz"));
    OnBnClickedMergeFirmware(wnd);
    g_RunLog.FlushOutput();  // no pane: the queue is emptied
    return 0;
}
