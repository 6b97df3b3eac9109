#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// A serial device in raw mode (a probe's USB CDC port): no echo, no line editing, no
// translation of line ends. The baud rate is left as the device has it; a CDC port ignores it.
class CSerialPort {
public:
    CSerialPort() = default;
    ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // False with the system's reason in strError.
    bool Open(const QString& strDevice, QString& strError);
    // Writes all of data; false with the system's reason.
    bool Write(const QByteArray& data, QString& strError);
    // What arrives within nTimeoutMs (empty when nothing did); false on an error.
    bool Read(QByteArray& data, int nTimeoutMs, QString& strError);
    void Close();
    bool IsOpen() const;

private:
    std::intptr_t m_handle = -1;
};

// True when the text names a serial device rather than a network address or a command:
// "/dev/..." on Linux, "COM7" or "\\.\COM12" on Windows.
bool IsSerialDeviceName(const QString& strName);

// The serial devices the system has now, for the window's list.
QStringList SerialDeviceNames();
