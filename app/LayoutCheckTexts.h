#pragma once

#include <QString>

struct VerifyCheck;

// A layout check's finding in the window's language, piece by piece from the parts the core
// gives (firmware/LayoutChecks.h), each with its own values.
QString LayoutCheckText(const VerifyCheck& check);
