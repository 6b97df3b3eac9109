#include "cli/CliCommands.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliDiff.h"
#include "cli/CliImageOptions.h"
#include "cli/CliJson.h"
#include "cli/CliVerify.h"
#include "cli/CliWindow.h"
#include "cli/Digest.h"
#include "cli/DigestLine.h"
#include "cli/StderrPane.h"
#include "config/DeviceCatalogue.h"
#include "firmware/Handlers.h"
#include "firmware/OutputFormat.h"
#include "firmware/Workspace.h"
#include "log/RunLog.h"
#include "platform/FileSystem.h"

namespace {

// The run log as the window configures it, with standard error as its pane.
class CliRunLog {
public:
    CliRunLog() {
        g_RunLog.AttachOutputWnd(&m_pane);
        g_RunLog.m_bPaneEnabled[0] = 1;
        g_RunLog.m_bFileEnabled[0] = 1;
        g_RunLog.SetLogPath(LogRootFolder(), QStringLiteral("RunLog"));
        g_RunLog.m_bShowThreadId = 0;
        g_RunLog.m_bShowTag = 0;
    }
    ~CliRunLog() {
        g_RunLog.FlushOutput();
        g_RunLog.DetachOutputWnd();
    }

private:
    CStderrPane m_pane;
};

int PrintInspection(const CliOptions& options, const CCliWindow& wnd, int nPanel, bool bAccepted) {
    g_RunLog.FlushOutput();
    if (options.bJson) {
        QJsonObject image = ImageJson(options.files.first());
        image[QStringLiteral("accepted")] = bAccepted;
        image[QStringLiteral("panel")] = wnd.Text(nPanel);
        PrintLines(stdout, QString::fromUtf8(QJsonDocument(image).toJson()));
    } else if (wnd.HasText(nPanel)) {
        QString strPanel = wnd.Text(nPanel);
        PrintLines(stdout, strPanel.endsWith(QLatin1String("\r\n")) ? strPanel : strPanel + "\n");
    }
    return bAccepted ? 0 : 1;
}

int RunMerge(const CliOptions& options, CCliWindow& wnd) {
    wnd.SetOpenPath(options.files[0]);
    OnBnClickedOpenBootLoader(wnd);
    wnd.SetOpenPath(options.files[1]);
    OnBnClickedOpenApp(wnd);
    wnd.SetSavePath(options.strOutput);
    ApplyMergeOptions(options);
    if (!OnBnClickedMergeFirmware(wnd)) return 1;
    g_RunLog.FlushOutput();
    if (options.nFormat != FORMAT_BIN) return PrintImageDigest(wnd.SavedPath());
    QFile file(wnd.SavedPath());
    if (!file.open(QIODevice::ReadOnly)) return 1;
    QByteArray bytes = file.readAll();
    PrintLines(stdout, QString::asprintf(
                           "%ls %lld bytes crc32=%08x sha256=", qUtf16Printable(wnd.SavedPath()),
                           static_cast<long long>(bytes.size()), Crc32(bytes)) +
                           Sha256Hex(bytes) + QLatin1Char('\n'));
    return 0;
}

}  // namespace

int RunCli(const CliOptions& options) {
    // verify and diff only read their files: no run log, no catalogue.
    if (options.command == CliCommand::Verify) return RunVerify(options);
    if (options.command == CliCommand::Diff) return RunDiff(options);
    CliRunLog runLog;
    g_DeviceList.Load(options.strCatalogue);
    CCliWindow wnd(options.answer);
    switch (options.command) {
        case CliCommand::Boot:
            wnd.SetOpenPath(options.files.first());
            OnBnClickedOpenBootLoader(wnd);
            return PrintInspection(options, wnd, IDC_BOOT_INFO, g_bBootLoaded != 0);
        case CliCommand::App:
            wnd.SetOpenPath(options.files.first());
            OnBnClickedOpenApp(wnd);
            return PrintInspection(options, wnd, IDC_APP_INFO, g_bAppLoaded != 0);
        case CliCommand::Merge:
            return RunMerge(options, wnd);
        case CliCommand::Verify:
        case CliCommand::Diff:
            break;
    }
    return 2;
}
