#include "platform/SerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace {

QString ErrnoText(int nError) { return QString::fromLocal8Bit(std::strerror(nError)); }

int Fd(std::intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

CSerialPort::~CSerialPort() { Close(); }

bool CSerialPort::Open(const QString& strDevice, QString& strError) {
    Close();
    // O_NONBLOCK: a modem line that is not raised must not hold the open.
    const int fd = ::open(QFile::encodeName(strDevice).constData(),
                          O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        strError = ErrnoText(errno);
        return false;
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        strError = ErrnoText(errno);
        ::close(fd);
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        strError = ErrnoText(errno);
        ::close(fd);
        return false;
    }
    ::tcflush(fd, TCIOFLUSH);
    m_handle = fd;
    return true;
}

bool CSerialPort::Write(const QByteArray& data, QString& strError) {
    qsizetype nDone = 0;
    while (nDone < data.size()) {
        const ssize_t n = ::write(Fd(m_handle), data.constData() + nDone, data.size() - nDone);
        if (n > 0) {
            nDone += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd pfd{Fd(m_handle), POLLOUT, 0};
            if (::poll(&pfd, 1, 5000) > 0) continue;
            strError = QStringLiteral("write timed out");
            return false;
        }
        strError = ErrnoText(n < 0 ? errno : EIO);
        return false;
    }
    return true;
}

bool CSerialPort::Read(QByteArray& data, int nTimeoutMs, QString& strError) {
    data.clear();
    pollfd pfd{Fd(m_handle), POLLIN, 0};
    const int nReady = ::poll(&pfd, 1, nTimeoutMs);
    if (nReady < 0) {
        if (errno == EINTR) return true;
        strError = ErrnoText(errno);
        return false;
    }
    if (nReady == 0) return true;
    char buffer[4096];
    const ssize_t n = ::read(Fd(m_handle), buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return true;
    if (n <= 0) {
        // A device that went away reads as the end of the file.
        strError = n == 0 ? QStringLiteral("device closed") : ErrnoText(errno);
        return false;
    }
    data = QByteArray(buffer, static_cast<qsizetype>(n));
    return true;
}

void CSerialPort::Close() {
    if (m_handle >= 0) ::close(Fd(m_handle));
    m_handle = -1;
}

bool CSerialPort::IsOpen() const { return m_handle >= 0; }

bool IsSerialDeviceName(const QString& strName) {
    return strName.startsWith(QLatin1String("/dev/"));
}

QStringList SerialDeviceNames() {
    QStringList names;
    const QDir dev(QStringLiteral("/dev"));
    for (const QString& strName :
         dev.entryList({QStringLiteral("ttyACM*"), QStringLiteral("ttyUSB*")}, QDir::System)) {
        names.append(dev.filePath(strName));
    }
    return names;
}
