// quorrix-cli: the firmware core for build pipelines.
#include <QCoreApplication>

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorrix-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORRIX_VERSION));
    CliOptions options;
    switch (ParseCliOptions(QCoreApplication::arguments(), options)) {
        case CliParse::ExitOk:
            return 0;
        case CliParse::UsageError:
            return 2;
        case CliParse::Run:
            break;
    }
    return RunCli(options);
}
