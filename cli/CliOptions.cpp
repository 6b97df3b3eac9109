#include "cli/CliOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "cli/CliImageOptions.h"
#include "cli/CliProbeOptions.h"
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

// nFiles: how many files the command takes; flash takes one or two (nMaxFiles).
bool CommandOf(const QString& strName, CliCommand& command, int& nFiles, int& nMaxFiles) {
    static const struct {
        const char* pName;
        CliCommand command;
        int nFiles, nMaxFiles;
    } commands[] = {
        {"boot", CliCommand::Boot, 1, 1},     {"app", CliCommand::App, 1, 1},
        {"merge", CliCommand::Merge, 2, 2},   {"verify", CliCommand::Verify, 1, 1},
        {"diff", CliCommand::Diff, 2, 2},     {"flash", CliCommand::Flash, 1, 2},
        {"module", CliCommand::Module, 0, 0}, {"read", CliCommand::Read, 0, 0},
    };
    for (const auto& entry : commands) {
        if (strName != QLatin1String(entry.pName)) continue;
        command = entry.command;
        nFiles = entry.nFiles;
        nMaxFiles = entry.nMaxFiles;
        return true;
    }
    return false;
}

// What --help says above the options.
const char* const DESCRIPTION =
    "Inspects boot-loader and App images and merges them into one firmware file;\n"
    "flashes, verifies and reads a module through its probe's GDB server.\n\n"
    "  boot FILE                show the boot-loader report of FILE\n"
    "  app FILE                 show the App report of FILE and what a merge records\n"
    "  merge BOOT APP [-o OUT]  merge both images and save the firmware file\n"
    "      [--format bin|hex|srec] [--base ADDR] [--fill BYTE] [--record-bytes 16|32]\n"
    "  verify IMAGE [--boot BOOT] [--app APP] [--fill BYTE]\n"
    "                           check a merged firmware file\n"
    "  diff A B                 compare the info blocks and bytes of two files\n"
    "  flash FILE --gdb ADDR    flash a merged image into the module\n"
    "  flash BOOT APP --gdb ADDR  merge both in memory and flash the result\n"
    "      [--server NAME] [--no-reset] [--no-backup]\n"
    "  module --gdb ADDR        show the module's info blocks and the server\n"
    "  read --gdb ADDR -o FILE [--size N] [--format bin|hex|srec]\n"
    "                           save the module's firmware region\n"
    "  verify IMAGE --gdb ADDR  also compare the module with IMAGE (exit 3 when it differs)\n\n"
    "ADDR is host:port, :port (127.0.0.1), a serial device (/dev/ttyACM0, COM7) or\n"
    "|command (a server speaking on its standard input and output). NAME is one of\n"
    "openocd, pyocd, blackmagic, stutil, jlink, qemu, generic.\n\n"
    "merge saves to OUT, by default to the proposed name in the current folder:\n"
    "<App file title>_<version>.bin, or <App file title>_all.bin for an App without a\n"
    "version (.hex or .srec with --format). OUT may be a folder (the proposed name inside\n"
    "it) or - (standard output).\n"
    "Questions are answered by -y or -n, else at the terminal (y/yes/n/no, 是/否);\n"
    "when standard input is no terminal, or at its end, the answer is No.\n\n"
    "Exit status: 0 done (diff: the files are identical); 1 an input refused, a question\n"
    "answered No, a write failed, a flash failed (diff: the files differ); 2 wrong usage;\n"
    "3 a verify check failed or the module differs from IMAGE.\n\n"
    "flash backs up the blocks it erases beside the day's run log, erases only the blocks\n"
    "the image covers and writes the rest of them back, verifies every byte, writes the\n"
    "App's info-block marker last, then resets and runs the module.";

// The options every command shares.
struct GeneralOptions {
    QCommandLineOption yes{{QStringLiteral("y"), QStringLiteral("yes")},
                           QStringLiteral("Answer Yes to every question.")};
    QCommandLineOption no{{QStringLiteral("n"), QStringLiteral("no")},
                          QStringLiteral("Answer No to every question.")};
    QCommandLineOption output{
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("Where merge saves the firmware file, read the module's."),
        QStringLiteral("OUT")};
    QCommandLineOption catalogue{QStringLiteral("catalogue"),
                                 QStringLiteral("The device catalogue (default ./DeviceList.Ini)."),
                                 QStringLiteral("PATH"), CliOptions().strCatalogue};
    QCommandLineOption json{
        QStringLiteral("json"),
        QStringLiteral("boot, app, merge, verify, flash, module, read: print the result as JSON.")};
    QCommandLineOption force{{QStringLiteral("f"), QStringLiteral("force")},
                             QStringLiteral("merge: replace an existing OUT without asking.")};
};

// The command and its files; the reason when they are wrong.
QString ReadCommand(const QCommandLineParser& parser, CliOptions& options) {
    const QStringList positional = parser.positionalArguments();
    int nFiles = 0, nMaxFiles = 0;
    if (positional.isEmpty()) {
        return QStringLiteral(
            "a command is needed: boot, app, merge, verify, diff, flash, module or read");
    }
    if (!CommandOf(positional.first(), options.command, nFiles, nMaxFiles)) {
        return QStringLiteral(
                   "unknown command \"%1\": use boot, app, merge, verify, diff, flash, "
                   "module or read")
            .arg(positional.first());
    }
    options.files = positional.mid(1);
    if (options.files.size() < nFiles || options.files.size() > nMaxFiles) {
        return QStringLiteral("%1 takes %2 file(s)")
            .arg(positional.first())
            .arg(nFiles == nMaxFiles ? QString::number(nFiles)
                                     : QStringLiteral("%1 or %2").arg(nFiles).arg(nMaxFiles));
    }
    return options.files.contains(QString()) ? QStringLiteral("an empty path names no file")
                                             : QString();
}

// How the shared options may be combined, in the order they are judged; the first rule that
// a command line breaks is its reason.
QString GeneralOptionsError(const QCommandLineParser& parser, const GeneralOptions& o,
                            CliCommand command) {
    const bool bOutput = parser.isSet(o.output);
    const bool bOutputCommand = command == CliCommand::Merge || command == CliCommand::Read;
    const struct {
        bool bBroken;
        const char* pReason;
    } rules[] = {
        {(bOutput && parser.value(o.output).isEmpty()) ||
             (parser.isSet(o.catalogue) && parser.value(o.catalogue).isEmpty()),
         "an empty path names no file"},
        {parser.values(o.output).size() > 1, "--output is given more than once"},
        {parser.values(o.catalogue).size() > 1, "--catalogue is given more than once"},
        {parser.isSet(o.yes) && parser.isSet(o.no), "-y and -n exclude each other"},
        {bOutput && !bOutputCommand, "-o goes with merge and read"},
        {!bOutput && command == CliCommand::Read, "read needs -o FILE"},
        {parser.isSet(o.force) && command != CliCommand::Merge, "-f goes with merge"},
        {parser.isSet(o.json) && parser.value(o.output) == QLatin1String("-"),
         "--json and -o - would both use standard output"},
    };
    for (const auto& rule : rules) {
        if (rule.bBroken) return QString::fromLatin1(rule.pReason);
    }
    return QString();
}

void TakeGeneralOptions(const QCommandLineParser& parser, const GeneralOptions& o,
                        CliOptions& options) {
    options.answer = parser.isSet(o.yes)  ? CliAnswer::Yes
                     : parser.isSet(o.no) ? CliAnswer::No
                                          : CliAnswer::Ask;
    options.strOutput = parser.value(o.output);
    options.strCatalogue = parser.value(o.catalogue);
    options.bJson = parser.isSet(o.json);
    options.bForce = parser.isSet(o.force);
}

}  // namespace

CliParse ParseCliOptions(const QStringList& arguments, CliOptions& options) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(DESCRIPTION));
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("boot, app, merge, verify, diff, flash, module or read"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("image files"),
                                 QStringLiteral("FILE..."));
    const GeneralOptions general;
    parser.addOptions(
        {general.yes, general.no, general.force, general.output, general.catalogue, general.json});
    AddImageOptions(parser);
    AddProbeOptions(parser);
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
    QString strError = ReadCommand(parser, options);
    if (strError.isEmpty()) strError = GeneralOptionsError(parser, general, options.command);
    if (!strError.isEmpty()) return UsageError(parser, strError);
    TakeGeneralOptions(parser, general, options);
    strError = ReadImageOptions(parser, options);
    if (strError.isEmpty()) strError = ReadProbeOptions(parser, options);
    if (!strError.isEmpty()) return UsageError(parser, strError);
    return CliParse::Run;
}
