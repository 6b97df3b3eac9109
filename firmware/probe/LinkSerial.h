#pragma once

#include "firmware/probe/GdbLink.h"

// A probe that speaks the protocol on its own serial port (the Black Magic Probe).
std::unique_ptr<IGdbLink> OpenSerialLink(const QString& strDevice, QString& strError);
