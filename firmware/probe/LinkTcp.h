#pragma once

#include "firmware/probe/GdbLink.h"

// A GDB server on the network (OpenOCD, pyOCD, st-util, the J-Link server, QEMU).
std::unique_ptr<IGdbLink> OpenTcpLink(const QString& strHost, quint16 nPort, int nTimeoutMs,
                                      QString& strError);
