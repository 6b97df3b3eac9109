#include "app/QuorrixApp.h"

#include <QCoreApplication>

#include "app/LogErrorBox.h"
#include "app/PaneAdapters.h"
#include "app/QuorrixDlg.h"
#include "app/TerminationSignal.h"
#include "config/DeviceCatalogue.h"
#include "platform/InitOrder.h"

CQuorrixApp theApp QUORRIX_INIT_ORDER(INIT_ORDER_APP);

bool CQuorrixApp::InitInstance() {
    // The QApplication built by main stands for the platform's user-interface services.
    QCoreApplication::setOrganizationName(QStringLiteral("应用程序向导生成的本地应用程序"));
    InstallPaneBinder();
    InstallLogErrorBox();
    g_DeviceList.Load(QStringLiteral("./DeviceList.Ini"));
    {
        CQuorrixDlg dlg;
        m_pMainWnd = &dlg;
        CloseWindowsOnTermination();
        dlg.exec();
        m_pMainWnd = nullptr;
    }
    return false;
}
