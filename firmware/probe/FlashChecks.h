#pragma once

#include <QByteArray>
#include <QStringList>

#include "firmware/probe/ModuleRead.h"

class IFirmwarePrompts;

// The image's structure and layout checks as verify runs them; each failure a "检查 NAME =
// 失败" line, then one question. False when declined.
bool AcceptImageChecks(const QByteArray& image, IFirmwarePrompts& prompts);

// What differs between the module and the image that the user must accept: another module
// type, another chip type, an older App on the image than on the module. One question each;
// false at the first No. Nothing is asked for a module without blocks (a blank one).
bool AcceptModuleDifferences(const ModuleInfo& module, const QByteArray& image,
                             IFirmwarePrompts& prompts);
