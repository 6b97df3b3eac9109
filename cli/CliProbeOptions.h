#pragma once

#include <QString>

#include "cli/CliOptions.h"

class QCommandLineParser;

// The options of the commands that reach a module through a GDB server.
void AddProbeOptions(QCommandLineParser& parser);

// Reads them into options; the reason when one is wrong, missing or goes with another command.
QString ReadProbeOptions(const QCommandLineParser& parser, CliOptions& options);
