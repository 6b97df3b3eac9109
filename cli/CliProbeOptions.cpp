#include "cli/CliProbeOptions.h"

#include <QCommandLineParser>

#include "cli/CliImageOptions.h"
#include "firmware/probe/GdbLink.h"
#include "firmware/probe/GdbServers.h"

namespace {

bool TakesModule(CliCommand command) {
    return command == CliCommand::Flash || command == CliCommand::Module ||
           command == CliCommand::Read;
}

QString CheckCommands(const QCommandLineParser& parser, CliCommand command) {
    const bool bGdb = parser.isSet(QStringLiteral("gdb"));
    if (TakesModule(command) && !bGdb) return QStringLiteral("this command needs --gdb ADDRESS");
    if (bGdb && !TakesModule(command) && command != CliCommand::Verify) {
        return QStringLiteral("--gdb goes with flash, module, read and verify");
    }
    if (parser.isSet(QStringLiteral("server")) && !bGdb) {
        return QStringLiteral("--server goes with --gdb");
    }
    for (const char* pName : {"no-reset", "no-backup"}) {
        if (parser.isSet(QString::fromLatin1(pName)) && command != CliCommand::Flash)
            return QStringLiteral("--%1 goes with flash").arg(QString::fromLatin1(pName));
    }
    if (parser.isSet(QStringLiteral("size")) && command != CliCommand::Read) {
        return QStringLiteral("--size goes with read");
    }
    if (command == CliCommand::Verify && bGdb &&
        (parser.isSet(QStringLiteral("boot")) || parser.isSet(QStringLiteral("app")))) {
        return QStringLiteral("verify --gdb compares the module with IMAGE alone");
    }
    return {};
}

}  // namespace

void AddProbeOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {QStringLiteral("gdb"),
         QStringLiteral("flash, module, read, verify: the GDB server of the probe "
                        "(host:port, :port, a serial device, |command)."),
         QStringLiteral("ADDRESS")},
        {QStringLiteral("server"),
         QStringLiteral("the kind of server (openocd, pyocd, blackmagic, stutil, jlink, qemu, "
                        "generic); default: told from its answers."),
         QStringLiteral("NAME")},
        {QStringLiteral("no-reset"), QStringLiteral("flash: leave the module halted.")},
        {QStringLiteral("no-backup"),
         QStringLiteral("flash: keep no copy of the blocks that are erased.")},
        {QStringLiteral("size"),
         QStringLiteral("read: bytes from 0x08000000 (default the firmware region, 0x21000)."),
         QStringLiteral("N")},
    });
}

QString ReadProbeOptions(const QCommandLineParser& parser, CliOptions& options) {
    QString strError = CheckCommands(parser, options.command);
    if (!strError.isEmpty()) return strError;
    for (const char* pName : {"gdb", "server", "size"}) {
        if (parser.values(QString::fromLatin1(pName)).size() > 1)
            return QStringLiteral("--%1 is given more than once").arg(QString::fromLatin1(pName));
    }
    options.strGdb = parser.value(QStringLiteral("gdb"));
    if (parser.isSet(QStringLiteral("gdb"))) {
        const GdbAddress address = ParseGdbAddress(options.strGdb);
        if (address.kind == GdbLinkKind::Invalid) return address.strError;
    }
    options.strServer = parser.value(QStringLiteral("server"));
    if (!options.strServer.isEmpty() && !FindGdbServer(options.strServer)) {
        return QStringLiteral(
            "--server takes openocd, pyocd, blackmagic, stutil, jlink, qemu "
            "or generic");
    }
    options.bReset = !parser.isSet(QStringLiteral("no-reset"));
    options.bBackup = !parser.isSet(QStringLiteral("no-backup"));
    if (parser.isSet(QStringLiteral("size"))) {
        std::uint64_t n = 0;
        if (!ParseCliNumber(parser.value(QStringLiteral("size")), 0xFFFFFFFFu, n) || n == 0)
            return QStringLiteral("--size takes a byte count above 0");
        options.dwSize = static_cast<std::uint32_t>(n);
    }
    return {};
}
