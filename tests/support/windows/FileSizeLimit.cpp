#include "tests/support/FileSizeLimit.h"

// Windows has no per-process file size limit; the tests that need one skip.
bool FileSizeLimit::Supported() { return false; }
FileSizeLimit::FileSizeLimit(qint64) {}
FileSizeLimit::~FileSizeLimit() {}
