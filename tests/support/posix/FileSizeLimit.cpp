#include "tests/support/FileSizeLimit.h"

#include <sys/resource.h>

#include <csignal>

namespace {
rlimit g_old{};
}

bool FileSizeLimit::Supported() { return true; }

FileSizeLimit::FileSizeLimit(qint64 nBytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &g_old);
    rlimit limit = g_old;
    limit.rlim_cur = static_cast<rlim_t>(nBytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &g_old); }
