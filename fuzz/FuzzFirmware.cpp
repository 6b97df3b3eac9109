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

#include "firmware/checks/FirmwareDiff.h"
#include "firmware/checks/FirmwareVerify.h"
#include "firmware/formats/RecordWriters.h"
#include "firmware/workspace/EntryPoints.h"
#include "firmware/workspace/ScriptedPrompts.h"
#include "firmware/workspace/Workspace.h"
#include "log/RunLog.h"

namespace {

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
    IntelHexOf(pData, nLength, dwBase, 1 + static_cast<int>(nSize % 32), dwBase | 1);
    SRecordOf(pData, nLength, dwBase, 1 + static_cast<int>(nSize % 32), std::nullopt);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize) {
    static const QString strIn = FuzzFile("in");
    static const QString strOut = FuzzFile("out");
    g_RunLog.m_bPaneEnabled[0] = true;
    QFile file(strIn);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(pData), static_cast<qint64>(nSize));
    file.close();
    // One workspace for the whole run, as the window keeps one: what an input left behind meets
    // the next one.
    static FirmwareWorkspace& ws = *new FirmwareWorkspace;
    CScriptedPrompts prompts;  // questions answered Yes and No in turn
    prompts.m_answers = {true, false, true, false, true, false, true, false};
    InspectBootLoaderFile(ws, prompts, strIn);
    InspectAppFile(ws, prompts, strIn, QStringLiteral("fuzz"));
    const MergeOptions options;
    if (MergeFirmware(ws, prompts, options).Done()) {
        SaveFirmwareFile(ws, strOut, options);
    }
    g_RunLog.FlushOutput();  // no pane: the queue is emptied
    CheckBytes(pData, nSize);
    return 0;
}
