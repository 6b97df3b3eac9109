#pragma once

#include <QString>
#include <cstdint>

#include "cli/CliOptions.h"

class QCommandLineParser;

// The options of the output formats, the fill byte and verify's reference files.
void AddImageOptions(QCommandLineParser& parser);

// Reads them into options; returns the reason when one is wrong or goes with another
// command, or an empty text.
QString ReadImageOptions(const QCommandLineParser& parser, CliOptions& options);

// A number of the command line: hex with 0x, otherwise decimal (a leading zero does not make
// it octal); false when it is none or above nMax.
bool ParseCliNumber(const QString& strText, std::uint64_t nMax, std::uint64_t& nValue);
