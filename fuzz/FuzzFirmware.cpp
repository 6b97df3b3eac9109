// The input as a file: inspected as a boot loader and as an App, then merged and saved, with
// questions answered Yes and No in turn; then verified against its own halves as boot loader
// and App, compared with its reverse, and written as HEX and S-records at a base taken from
// its first bytes.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "firmware/FirmwareDiff.h"
#include "firmware/FirmwareVerify.h"
#include "firmware/FirmwareWindow.h"
#include "firmware/Handlers.h"
#include "firmware/OutputFormat.h"
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

void CheckBytes(const std::uint8_t* pData, std::size_t nSize) {
    const QByteArray image(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    VerifyReference ref;
    ref.bHasBoot = ref.bHasApp = true;
    ref.boot = image.left(image.size() / 2);
    ref.app = image.mid(image.size() / 2);
    ref.byFill = nSize > 0 ? pData[0] : 0;
    VerifyFirmwareImage(image, ref);
    QByteArray reversed = image;
    std::reverse(reversed.begin(), reversed.end());
    DiffFirmwareImages(image, reversed);
    std::uint32_t dwBase = 0;
    for (std::size_t i = 0; i < 4 && i < nSize; ++i) dwBase = (dwBase << 8) | pData[i];
    const auto nLength = static_cast<std::int64_t>(nSize);
    if (!FitsAddressSpace(dwBase, nLength))
        dwBase = static_cast<std::uint32_t>(0x100000000LL - nLength);
    IntelHexOf(pData, nLength, dwBase, 1 + static_cast<int>(nSize % 32));
    SRecordOf(pData, nLength, dwBase, 1 + static_cast<int>(nSize % 32));
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
    CheckBytes(pData, nSize);
    return 0;
}
