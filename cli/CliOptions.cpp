#include "cli/CliOptions.h"

#include <QCommandLineParser>
#include <cstdio>

#include "cli/CliImageOptions.h"

namespace {

CliParse UsageError(const QCommandLineParser& parser, const QString& strReason) {
    std::fprintf(stderr, "quorrix-cli: %s\n\n%s", qUtf8Printable(strReason),
                 qUtf8Printable(parser.helpText()));
    return CliParse::UsageError;
}

bool CommandOf(const QString& strName, CliCommand& command, int& nFiles) {
    if (strName == QLatin1String("boot")) {
        command = CliCommand::Boot;
        nFiles = 1;
    } else if (strName == QLatin1String("app")) {
        command = CliCommand::App;
        nFiles = 1;
    } else if (strName == QLatin1String("merge")) {
        command = CliCommand::Merge;
        nFiles = 2;
    } else if (strName == QLatin1String("verify")) {
        command = CliCommand::Verify;
        nFiles = 1;
    } else if (strName == QLatin1String("diff")) {
        command = CliCommand::Diff;
        nFiles = 2;
    } else {
        return false;
    }
    return true;
}

}  // namespace

CliParse ParseCliOptions(const QStringList& arguments, CliOptions& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Inspects boot-loader and App images and merges them into one firmware file.\n\n"
        "  boot FILE              show the boot-loader report of FILE\n"
        "  app FILE               show the App report of FILE\n"
        "  merge BOOT APP [-o OUT]  merge both images and save the firmware file\n"
        "      [--format bin|hex|srec] [--base ADDR] [--fill BYTE] [--record-bytes 16|32]\n"
        "  verify IMAGE [--boot BOOT] [--app APP] [--fill BYTE]\n"
        "                         check a merged firmware file; exit 3 when a check fails\n"
        "  diff A B               compare the info blocks and bytes of two files;\n"
        "                         exit 0 when identical, 1 when they differ"));
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("boot, app, merge, verify or diff"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("image files"),
                                 QStringLiteral("FILE..."));
    QCommandLineOption yes({QStringLiteral("y"), QStringLiteral("yes")},
                           QStringLiteral("Answer Yes to every question."));
    QCommandLineOption no({QStringLiteral("n"), QStringLiteral("no")},
                          QStringLiteral("Answer No to every question."));
    QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                              QStringLiteral("Where merge saves the firmware file."),
                              QStringLiteral("OUT"));
    QCommandLineOption catalogue(QStringLiteral("catalogue"),
                                 QStringLiteral("The device catalogue (default ./DeviceList.Ini)."),
                                 QStringLiteral("PATH"), options.strCatalogue);
    QCommandLineOption json(QStringLiteral("json"),
                            QStringLiteral("boot and app: print the decoded blocks as JSON."));
    parser.addOptions({yes, no, output, catalogue, json});
    AddImageOptions(parser);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    if (!parser.parse(arguments)) return UsageError(parser, parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return CliParse::ExitOk;
    }
    if (parser.isSet(version)) {
        std::printf("quorrix-cli %s\n", QUORRIX_VERSION);
        return CliParse::ExitOk;
    }
    QStringList positional = parser.positionalArguments();
    int nFiles = 0;
    if (positional.isEmpty() || !CommandOf(positional.first(), options.command, nFiles)) {
        return UsageError(parser, QStringLiteral("a command is needed: boot, app or merge"));
    }
    options.files = positional.mid(1);
    if (options.files.size() != nFiles) {
        return UsageError(
            parser, QStringLiteral("%1 takes %2 file(s)").arg(positional.first()).arg(nFiles));
    }
    if (parser.isSet(yes) && parser.isSet(no))
        return UsageError(parser, "-y and -n exclude each other");
    if (parser.isSet(output) && options.command != CliCommand::Merge) {
        return UsageError(parser, QStringLiteral("-o goes with merge"));
    }
    if (parser.isSet(json) && options.command == CliCommand::Merge) {
        return UsageError(parser, QStringLiteral("--json goes with boot and app"));
    }
    options.answer = parser.isSet(yes)  ? CliAnswer::Yes
                     : parser.isSet(no) ? CliAnswer::No
                                        : CliAnswer::Ask;
    options.strOutput = parser.value(output);
    options.strCatalogue = parser.value(catalogue);
    options.bJson = parser.isSet(json);
    const QString strImageError = ReadImageOptions(parser, options);
    if (!strImageError.isEmpty()) return UsageError(parser, strImageError);
    return CliParse::Run;
}
