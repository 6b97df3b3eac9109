#include "cli/CliOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "cli/CliImageOptions.h"
#include "cli/StderrPane.h"

namespace {

// The usage line names the program, not the path it was started by.
QString HelpText(const QCommandLineParser& parser) {
    QString strText = parser.helpText();
    const QString strProgram = QCoreApplication::arguments().value(0);
    const qsizetype nAt = strProgram.isEmpty() ? -1 : strText.indexOf(strProgram);
    if (nAt >= 0 && nAt < strText.indexOf(QLatin1Char('\n'))) {
        strText.replace(nAt, strProgram.size(), QStringLiteral("quorrix-cli"));
    }
    return strText;
}

CliParse UsageError(const QCommandLineParser& parser, const QString& strReason) {
    PrintLines(stderr, QStringLiteral("quorrix-cli: ") + strReason + QStringLiteral("\n\n") +
                           HelpText(parser));
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
        "  boot FILE                show the boot-loader report of FILE\n"
        "  app FILE                 show the App report of FILE and what a merge records\n"
        "  merge BOOT APP [-o OUT]  merge both images and save the firmware file\n"
        "      [--format bin|hex|srec] [--base ADDR] [--fill BYTE] [--record-bytes 16|32]\n"
        "  verify IMAGE [--boot BOOT] [--app APP] [--fill BYTE]\n"
        "                           check a merged firmware file\n"
        "  diff A B                 compare the info blocks and bytes of two files\n\n"
        "merge saves to OUT, by default to the proposed name in the current folder:\n"
        "<App file title>_<version>.bin, or <App file title>_all.bin for an App without a\n"
        "version (.hex or .srec with --format). OUT may be a folder (the proposed name inside\n"
        "it) or - (standard output).\n"
        "Questions are answered by -y or -n, else at the terminal (y/yes/n/no, 是/否);\n"
        "when standard input is no terminal, or at its end, the answer is No.\n\n"
        "Exit status: 0 done (diff: the files are identical); 1 an input refused, a question\n"
        "answered No, a write failed (diff: the files differ); 2 wrong usage; 3 a verify\n"
        "check failed."));
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
    QCommandLineOption json(
        QStringLiteral("json"),
        QStringLiteral("boot, app, merge and verify: print the result as JSON."));
    QCommandLineOption force({QStringLiteral("f"), QStringLiteral("force")},
                             QStringLiteral("merge: replace an existing OUT without asking."));
    parser.addOptions({yes, no, force, output, catalogue, json});
    AddImageOptions(parser);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

    if (!parser.parse(arguments)) return UsageError(parser, parser.errorText());
    if (parser.isSet(help)) {
        PrintLines(stdout, HelpText(parser));
        return CliParse::ExitOk;
    }
    if (parser.isSet(version)) {
        PrintLines(stdout, QStringLiteral("quorrix-cli " QUORRIX_VERSION "\n"));
        return CliParse::ExitOk;
    }
    QStringList positional = parser.positionalArguments();
    int nFiles = 0;
    if (positional.isEmpty()) {
        return UsageError(parser,
                          QStringLiteral("a command is needed: boot, app, merge, verify or diff"));
    }
    if (!CommandOf(positional.first(), options.command, nFiles)) {
        return UsageError(
            parser, QStringLiteral("unknown command \"%1\": use boot, app, merge, verify or diff")
                        .arg(positional.first()));
    }
    options.files = positional.mid(1);
    if (options.files.size() != nFiles) {
        return UsageError(
            parser, QStringLiteral("%1 takes %2 file(s)").arg(positional.first()).arg(nFiles));
    }
    if (options.files.contains(QString()) ||
        (parser.isSet(output) && parser.value(output).isEmpty()) ||
        (parser.isSet(catalogue) && parser.value(catalogue).isEmpty())) {
        return UsageError(parser, QStringLiteral("an empty path names no file"));
    }
    for (const QCommandLineOption* pOption : {&output, &catalogue}) {
        if (parser.values(*pOption).size() > 1) {
            return UsageError(
                parser,
                QStringLiteral("--%1 is given more than once").arg(pOption->names().constLast()));
        }
    }
    if (parser.isSet(yes) && parser.isSet(no))
        return UsageError(parser, "-y and -n exclude each other");
    if (parser.isSet(output) && options.command != CliCommand::Merge) {
        return UsageError(parser, QStringLiteral("-o goes with merge"));
    }
    if (parser.isSet(force) && options.command != CliCommand::Merge) {
        return UsageError(parser, QStringLiteral("-f goes with merge"));
    }
    if (parser.isSet(json) && parser.value(output) == QLatin1String("-")) {
        return UsageError(parser, QStringLiteral("--json and -o - would both use standard output"));
    }
    options.answer = parser.isSet(yes)  ? CliAnswer::Yes
                     : parser.isSet(no) ? CliAnswer::No
                                        : CliAnswer::Ask;
    options.strOutput = parser.value(output);
    options.strCatalogue = parser.value(catalogue);
    options.bJson = parser.isSet(json);
    options.bForce = parser.isSet(force);
    const QString strImageError = ReadImageOptions(parser, options);
    if (!strImageError.isEmpty()) return UsageError(parser, strImageError);
    return CliParse::Run;
}
