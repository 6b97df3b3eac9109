// The window program's start, up to the main window shown, then exit.
#include <QApplication>

#include "app/PaneAdapters.h"
#include "app/QuorrixDlg.h"
#include "config/DeviceCatalogue.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallPaneBinder();
    g_DeviceList.Load(QStringLiteral("./DeviceList.Ini"));
    CQuorrixDlg dlg;
    dlg.show();
    QApplication::processEvents();
    return 0;
}
