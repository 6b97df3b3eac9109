#include "platform/SerialPort.h"

#include <windows.h>

#include <QRegularExpression>

namespace {

QString LastErrorText() {
    const DWORD nError = ::GetLastError();
    wchar_t* pText = nullptr;
    ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, nError, 0, reinterpret_cast<wchar_t*>(&pText), 0, nullptr);
    QString strText =
        pText ? QString::fromWCharArray(pText).trimmed() : QStringLiteral("error %1").arg(nError);
    if (pText) ::LocalFree(pText);
    return strText;
}

HANDLE Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

CSerialPort::~CSerialPort() { Close(); }

bool CSerialPort::Open(const QString& strDevice, QString& strError) {
    Close();
    // COM10 and above are only reachable through the device namespace.
    QString strPath = strDevice;
    if (!strPath.startsWith(QLatin1String("\\\\.\\"))) strPath.prepend(QLatin1String("\\\\.\\"));
    const HANDLE h =
        ::CreateFileW(reinterpret_cast<const wchar_t*>(strPath.utf16()),
                      GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        strError = LastErrorText();
        return false;
    }
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (::GetCommState(h, &dcb)) {
        dcb.fBinary = TRUE;
        dcb.fParity = FALSE;
        dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = FALSE;
        dcb.fDtrControl = DTR_CONTROL_ENABLE;
        dcb.fRtsControl = RTS_CONTROL_ENABLE;
        dcb.fOutX = dcb.fInX = FALSE;
        dcb.fNull = FALSE;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        ::SetCommState(h, &dcb);
    }
    ::PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR);
    m_handle = reinterpret_cast<std::intptr_t>(h);
    return true;
}

bool CSerialPort::Write(const QByteArray& data, QString& strError) {
    COMMTIMEOUTS timeouts{};
    timeouts.WriteTotalTimeoutConstant = 5000;
    ::SetCommTimeouts(Handle(m_handle), &timeouts);
    DWORD nWritten = 0;
    if (!::WriteFile(Handle(m_handle), data.constData(), static_cast<DWORD>(data.size()), &nWritten,
                     nullptr)) {
        strError = LastErrorText();
        return false;
    }
    if (nWritten != static_cast<DWORD>(data.size())) {
        strError = QStringLiteral("write timed out");
        return false;
    }
    return true;
}

bool CSerialPort::Read(QByteArray& data, int nTimeoutMs, QString& strError) {
    data.clear();
    // Return as soon as anything arrived, or after the timeout with nothing.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(nTimeoutMs > 0 ? nTimeoutMs : 1);
    ::SetCommTimeouts(Handle(m_handle), &timeouts);
    char buffer[4096];
    DWORD nRead = 0;
    if (!::ReadFile(Handle(m_handle), buffer, sizeof buffer, &nRead, nullptr)) {
        strError = LastErrorText();
        return false;
    }
    data = QByteArray(buffer, static_cast<qsizetype>(nRead));
    return true;
}

void CSerialPort::Close() {
    if (m_handle != -1) ::CloseHandle(Handle(m_handle));
    m_handle = -1;
}

bool CSerialPort::IsOpen() const { return m_handle != -1; }

bool IsSerialDeviceName(const QString& strName) {
    static const QRegularExpression com(QStringLiteral("^(\\\\\\\\\\.\\\\)?COM[0-9]+$"),
                                        QRegularExpression::CaseInsensitiveOption);
    return com.match(strName).hasMatch();
}

QStringList SerialDeviceNames() {
    QStringList names;
    wchar_t target[512];
    for (int i = 1; i <= 64; ++i) {
        const QString strName = QStringLiteral("COM%1").arg(i);
        if (::QueryDosDeviceW(reinterpret_cast<const wchar_t*>(strName.utf16()), target, 512)) {
            names.append(strName);
        }
    }
    return names;
}
