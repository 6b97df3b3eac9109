#pragma once

#include <QString>
#include <cstdint>

#include "config/MHash.h"

// The device catalogue, loaded once at start-up: by the window from the first of its search
// paths that can be read (config/CatalogueSearch.h), by quorrix-cli from --catalogue.
extern MHash g_DeviceList;

// Names a module type (high byte family, low byte device) from g_DeviceList:
// "family, device", "family(DD)" or "Device FF(DD)". Looking up adds the sections it asks for.
// Not for concurrent use: the result is assembled in one process-wide string.
QString GetDeviceName(std::uint16_t wModuleType);
