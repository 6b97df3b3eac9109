#pragma once

#include <QString>

#include "cli/CliOptions.h"

class QCommandLineParser;

// The options of the output formats, the fill byte and verify's reference files.
void AddImageOptions(QCommandLineParser& parser);

// Reads them into options; returns the reason when one is wrong or goes with another
// command, or an empty text.
QString ReadImageOptions(const QCommandLineParser& parser, CliOptions& options);
