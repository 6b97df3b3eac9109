#include "cli/CliImageOptions.h"

#include <QCommandLineParser>
#include <algorithm>

#include "firmware/workspace/OutputFormat.h"

// Digits only: no sign, no blank, which the number conversion would let pass.
bool ParseCliNumber(const QString& strText, std::uint64_t nMax, std::uint64_t& nValue) {
    const bool bHex = strText.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const QString strDigits = bHex ? strText.mid(2) : strText;
    const auto isDigit = [bHex](QChar c) {
        return c.isDigit() || (bHex && QStringLiteral("abcdefABCDEF").contains(c));
    };
    if (strDigits.isEmpty() || !std::all_of(strDigits.begin(), strDigits.end(), isDigit))
        return false;
    bool bOk = false;
    nValue = strDigits.toULongLong(&bOk, bHex ? 16 : 10);
    return bOk && nValue <= nMax;
}

namespace {

bool ParseFormat(const QString& strText, int& nFormat) {
    for (int n : {FORMAT_BIN, FORMAT_HEX, FORMAT_SREC}) {
        if (strText == FormatExtension(n)) {
            nFormat = n;
            return true;
        }
    }
    return false;
}

QString ReadValues(const QCommandLineParser& parser, CliOptions& options) {
    std::uint64_t n = 0;
    if (parser.isSet(QStringLiteral("fill"))) {
        if (!ParseCliNumber(parser.value(QStringLiteral("fill")), 0xFF, n))
            return QStringLiteral("--fill takes a byte, 0x00 to 0xFF");
        options.merge.byFill = static_cast<std::uint8_t>(n);
    }
    if (parser.isSet(QStringLiteral("base"))) {
        if (!ParseCliNumber(parser.value(QStringLiteral("base")), 0xFFFFFFFFu, n))
            return QStringLiteral("--base takes a 32-bit address, 0x0 to 0xFFFFFFFF");
        options.merge.dwBase = static_cast<std::uint32_t>(n);
        options.merge.bBaseGiven = true;
    }
    const QString strRecord = parser.value(QStringLiteral("record-bytes"));
    if (parser.isSet(QStringLiteral("record-bytes"))) {
        if (strRecord != QLatin1String("16") && strRecord != QLatin1String("32"))
            return QStringLiteral("--record-bytes takes 16 or 32");
        options.merge.nRecordBytes = strRecord.toInt();
    }
    if (parser.isSet(QStringLiteral("format")) &&
        !ParseFormat(parser.value(QStringLiteral("format")), options.merge.nFormat)) {
        return QStringLiteral("--format takes bin, hex or srec");
    }
    return {};
}

QString CheckCommands(const QCommandLineParser& parser, CliCommand command) {
    for (const char* pName : {"base", "record-bytes"}) {
        if (parser.isSet(QString::fromLatin1(pName)) && command != CliCommand::Merge)
            return QStringLiteral("--%1 goes with merge").arg(QString::fromLatin1(pName));
    }
    if (parser.isSet(QStringLiteral("format")) && command != CliCommand::Merge &&
        command != CliCommand::Read) {
        return QStringLiteral("--format goes with merge and read");
    }
    for (const char* pName : {"boot", "app"}) {
        if (parser.isSet(QString::fromLatin1(pName)) && command != CliCommand::Verify)
            return QStringLiteral("--%1 goes with verify").arg(QString::fromLatin1(pName));
    }
    if (parser.isSet(QStringLiteral("fill")) && command != CliCommand::Merge &&
        command != CliCommand::Verify && command != CliCommand::Flash) {
        return QStringLiteral("--fill goes with merge, verify and flash");
    }
    if (parser.isSet(QStringLiteral("json")) && command == CliCommand::Diff)
        return QStringLiteral("--json goes with boot, app, merge, verify, flash, module and read");
    return {};
}

}  // namespace

void AddImageOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {QStringLiteral("format"), QStringLiteral("merge, read: bin (default), hex or srec."),
         QStringLiteral("FORMAT")},
        {QStringLiteral("base"),
         QStringLiteral("merge: load address of byte 0 in hex and srec (default 0x08000000)."),
         QStringLiteral("ADDR")},
        {QStringLiteral("record-bytes"),
         QStringLiteral("merge: data bytes a hex or srec line, 16 (default) or 32."),
         QStringLiteral("N")},
        {QStringLiteral("fill"),
         QStringLiteral(
             "merge, verify, flash: the byte that pads a short boot loader (default 0x00)."),
         QStringLiteral("BYTE")},
        {QStringLiteral("boot"),
         QStringLiteral("verify: the boot loader the image was merged from."),
         QStringLiteral("BOOT")},
        {QStringLiteral("app"), QStringLiteral("verify: the App the image was merged from."),
         QStringLiteral("APP")},
    });
}

QString ReadImageOptions(const QCommandLineParser& parser, CliOptions& options) {
    QString strError = CheckCommands(parser, options.command);
    if (strError.isEmpty()) strError = ReadValues(parser, options);
    options.strBoot = parser.value(QStringLiteral("boot"));
    options.strApp = parser.value(QStringLiteral("app"));
    return strError;
}
