#pragma once

#include <stdexcept>

// A failed file operation, as the keyboard filter tells it apart from other failures.
class CFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
