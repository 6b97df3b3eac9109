#pragma once

#include "firmware/probe/GdbLink.h"

// A server started for this connection that speaks on its standard input and output
// (openocd -c "gdb_port pipe", qemu-system-arm -gdb stdio). It is ended with the link.
std::unique_ptr<IGdbLink> OpenCommandLink(const QString& strCommand, int nTimeoutMs,
                                          QString& strError);
