#pragma once

#include <stdexcept>

// A failed file operation; what() is the file error's own text in UTF-8. The log file writer
// throws it, and the keyboard filter tells it apart from other failures.
class CFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
