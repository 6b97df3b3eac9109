// quorrix-cli: the firmware core for build pipelines.
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/StderrPane.h"
#include "platform/Arguments.h"
#include "platform/Console.h"
#include "platform/FileOpen.h"
#include "platform/Signals.h"

namespace {

// Output that never arrived is a failure, however well the work went.
int CheckStdout(int nStatus) {
    int nError = StdoutError();
    errno = 0;
    if (nError == 0 && (std::fflush(stdout) != 0 || std::ferror(stdout))) {
        nError = errno != 0 ? errno : EIO;
    }
    if (nError == 0) return nStatus;
    PrintLines(stderr, QStringLiteral("quorrix-cli: cannot write to standard output: ") +
                           SystemErrorText(nError) + QLatin1Char('\n'));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // A closed standard error must not end the run before its log file is written.
    IgnoreWriteSignals();
    OpenClosedStandardStreams();
    UseBinaryStandardStreams();
    QCoreApplication app(argc, argv);
    // A name Qt cannot carry back to its bytes would open, or replace, another file.
    const QString strBadName = UnrepresentableArgument(argc, argv);
    if (!strBadName.isEmpty()) {
        PrintLines(stderr, QStringLiteral("quorrix-cli: 文件名无法表示: ") + strBadName +
                               QLatin1Char('\n'));
        return 2;
    }
    QCoreApplication::setApplicationName(QStringLiteral("quorrix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORRIX_VERSION));
    CliOptions options;
    switch (ParseCliOptions(QCoreApplication::arguments(), options)) {
        case CliParse::ExitOk:
            return CheckStdout(0);
        case CliParse::UsageError:
            return 2;
        case CliParse::Run:
            break;
    }
    return CheckStdout(RunCli(options));
}
