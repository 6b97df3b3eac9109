#include "cli/CliAnswer.h"

#include <algorithm>
#include <cctype>
#include <istream>

#include "platform/Console.h"

std::optional<bool> ParseAnswer(const std::string& line) {
    const auto isBlank = [](unsigned char c) { return std::isspace(c) != 0; };
    auto first = std::find_if_not(line.begin(), line.end(), isBlank);
    auto last = std::find_if_not(line.rbegin(), line.rend(), isBlank).base();
    std::string word = first < last ? std::string(first, last) : std::string();
    if (word == "是") return true;
    if (word == "否") return false;
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (word == "y" || word == "yes") return true;
    if (word == "n" || word == "no") return false;
    return std::nullopt;
}

bool ReadAnswer(std::istream& in, std::FILE* pPrompt) {
    std::string line;
    for (;;) {
        std::fputs("[y/N] ", pPrompt);
        std::fflush(pPrompt);
        if (!std::getline(in, line)) return false;
        if (std::optional<bool> answer = ParseAnswer(TerminalTextToUtf8(line))) return *answer;
    }
}
