#pragma once

#include <cstdio>
#include <iosfwd>
#include <optional>
#include <string>

// A terminal answer: y, yes, n or no in any letter case, 是 or 否 (blanks around are
// ignored); nothing for anything else.
std::optional<bool> ParseAnswer(const std::string& line);

// Asks on pPrompt and reads lines until one is an answer; the end of the input answers No.
bool ReadAnswer(std::istream& in, std::FILE* pPrompt);
