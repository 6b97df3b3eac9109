// The input as a file: inspected as a boot loader and as an App, then merged and saved, with
// questions answered Yes and No in turn.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>

#include "firmware/FirmwareWindow.h"
#include "firmware/Handlers.h"
#include "log/RunLog.h"

namespace {

class AlternatingWindow : public IFirmwareWindow {
public:
    explicit AlternatingWindow(QString strOut) : m_strOut(std::move(strOut)) {}
    void SetControlText(int, const QString& strText) override { m_nChars += strText.size(); }
    bool AskYesNo(const QString&) override { return (m_nQuestions++ % 2) == 0; }
    bool ChooseOpenFile(QString&) override { return false; }
    bool ChooseSaveFile(const QString&, const QString&, QString& strPath) override {
        strPath = m_strOut;
        return true;
    }

private:
    QString m_strOut;
    qsizetype m_nChars = 0;
    int m_nQuestions = 0;
};

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
    AlternatingWindow wnd(strOut);
    InspectBootLoaderFile(wnd, strIn);
    InspectAppFile(wnd, strIn, QStringLiteral("fuzz"));
    OnBnClickedMergeFirmware(wnd);
    g_RunLog.FlushOutput();  // no pane: the queue is emptied
    return 0;
}
