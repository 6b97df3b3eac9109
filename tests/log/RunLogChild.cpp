// Writes its texts to the run log and exits; the closing banner comes from static destruction.
#include "log/RunLog.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    g_RunLog.m_bFileEnabled[0] = true;
    g_RunLog.SetLogPath(QString::fromLocal8Bit(argv[1]), QStringLiteral("RunLog"));
    for (int i = 2; i < argc; ++i) WriteLog(QString::fromUtf8(argv[i]));
    return 0;
}
