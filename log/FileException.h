#pragma once

#include <stdexcept>

// A failed write of a log file; what() is the system's reason in UTF-8. The log file writer
// throws and catches it itself; the keyboard filter tells it apart from other failures.
class CFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
