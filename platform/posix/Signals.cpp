#include "platform/Signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

void IgnoreWriteSignals() {
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

void OpenClosedStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // open takes the lowest free number, which is this one.
        const int nOpened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (nOpened >= 0 && nOpened != fd) ::close(nOpened);
    }
}
