// quorrix: the window program.
#include <QApplication>

#include "app/QuorrixApp.h"
#include "platform/Signals.h"

int main(int argc, char** argv) {
    IgnoreWriteSignals();
    OpenClosedStandardStreams();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorrix"));
    QApplication::setApplicationVersion(QStringLiteral(QUORRIX_VERSION));
    theApp.InitInstance();
    return 0;
}
