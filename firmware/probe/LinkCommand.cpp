#include "firmware/probe/LinkCommand.h"

#include <QProcess>

namespace {

class CCommandLink : public IGdbLink {
public:
    explicit CCommandLink(const QString& strCommand) : m_strCommand(strCommand) {}
    ~CCommandLink() override {
        m_process.closeWriteChannel();
        if (m_process.state() == QProcess::NotRunning) return;
        if (m_process.waitForFinished(1000)) return;
        m_process.terminate();
        if (!m_process.waitForFinished(2000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }

    bool Start(int nTimeoutMs, QString& strError) {
        QStringList words = QProcess::splitCommand(m_strCommand);
        if (words.isEmpty()) {
            strError = QStringLiteral("| 后没有命令");
            return false;
        }
        const QString strProgram = words.takeFirst();
        // The server's own messages stay visible; only its standard output is the protocol.
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(strProgram, words);
        if (m_process.waitForStarted(nTimeoutMs)) return true;
        strError = m_process.errorString();
        return false;
    }

    bool Send(const QByteArray& data, QString& strError) override {
        if (m_process.state() != QProcess::Running) return Ended(strError);
        if (m_process.write(data) != data.size()) {
            strError = m_process.errorString();
            return false;
        }
        while (m_process.bytesToWrite() > 0) {
            if (!m_process.waitForBytesWritten(10000)) return Ended(strError);
        }
        return true;
    }

    bool Receive(QByteArray& data, int nTimeoutMs, QString& strError) override {
        if (m_process.bytesAvailable() == 0) {
            if (m_process.state() != QProcess::Running) return Ended(strError);
            if (!m_process.waitForReadyRead(nTimeoutMs)) {
                if (m_process.state() != QProcess::Running) return Ended(strError);
                return true;
            }
        }
        data += m_process.readAllStandardOutput();
        return true;
    }

    QString Description() const override { return QStringLiteral("command ") + m_strCommand; }

private:
    bool Ended(QString& strError) {
        strError =
            m_process.state() == QProcess::NotRunning
                ? QStringLiteral("the command ended (exit status %1)").arg(m_process.exitCode())
                : m_process.errorString();
        return false;
    }

    QString m_strCommand;
    QProcess m_process;
};

}  // namespace

std::unique_ptr<IGdbLink> OpenCommandLink(const QString& strCommand, int nTimeoutMs,
                                          QString& strError) {
    auto link = std::make_unique<CCommandLink>(strCommand);
    if (!link->Start(nTimeoutMs, strError)) return nullptr;
    return link;
}
