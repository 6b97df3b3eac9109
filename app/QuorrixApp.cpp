#include "app/QuorrixApp.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "app/LogErrorBox.h"
#include "app/PaneAdapters.h"
#include "app/QuorrixDlg.h"
#include "app/TerminationSignal.h"
#include "app/Translations.h"
#include "config/CatalogueSearch.h"
#include "firmware/workspace/ImageFile.h"
#include "log/RunLog.h"
#include "platform/InitOrder.h"

CQuorrixApp theApp QUORRIX_INIT_ORDER(INIT_ORDER_APP);

bool CQuorrixApp::InitInstance() {
    // The QApplication built by main stands for the platform's user-interface services.
    QCoreApplication::setOrganizationName(QStringLiteral("应用程序向导生成的本地应用程序"));
    InstallPaneBinder();
    InstallLogErrorBox();
    InstallTranslations(ChooseUiLanguage());
    const CatalogueLoad catalogue = LoadDeviceCatalogue(CatalogueSearchPaths());
    {
        CQuorrixDlg dlg;
        CloseWindowsOnTermination();
        dlg.OnInitDialog();
        // Said in the pane too: started from the desktop menu, stderr is seen by nobody.
        if (!catalogue.strRefused.isEmpty()) {
            WriteLog(FileLogLine("读取", catalogue.strRefused, catalogue.strRefusal));
        } else if (catalogue.strPath.isEmpty()) {
            WriteLog(QStringLiteral("未找到 DeviceList.Ini, 已查找: ") + catalogue.strTried);
        }
        // Shown, not exec()'d: a modal dialog gets no taskbar entry on some desktops.
        QEventLoop loop;
        QObject::connect(&dlg, &QDialog::finished, &loop, &QEventLoop::quit);
        dlg.show();
        // A request to end that came while a box was open before the window was shown.
        if (TerminationRequested()) dlg.close();
        if (dlg.isVisible()) loop.exec();
    }
    return false;
}
