#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

#include "firmware/probe/GdbLink.h"

// The packet layer over a link: acks and checksums, a frame sent again when the server
// answers '-', our '-' when its frame arrives damaged, no-ack mode once agreed, "O" output
// packets handed to the output handler (they also prove the server is alive, so each one
// starts the wait for the answer anew), and 0x03 to interrupt a running target.
class CGdbClient {
public:
    explicit CGdbClient(std::unique_ptr<IGdbLink> link);

    // Sends one command and waits up to nTimeoutMs for its answer (not counting "O" packets).
    // False with the reason in LastError() on a timeout, a lost link or a frame that never
    // comes through.
    bool Exchange(const QByteArray& command, QByteArray& reply, int nTimeoutMs);
    // Waits for one more packet without sending anything (after a stop reply that came
    // unasked, the answer itself still follows).
    bool Receive(QByteArray& reply, int nTimeoutMs) { return ReceiveReply(reply, nTimeoutMs); }
    // Sends a command that has no answer (R, and k); true once it was acknowledged.
    bool SendOnly(const QByteArray& command, int nTimeoutMs);
    // 0x03, then the stop reply.
    bool Interrupt(QByteArray& stopReply, int nTimeoutMs);
    // After "QStartNoAckMode" was answered OK.
    void SetNoAck() { m_bNoAck = true; }
    bool NoAck() const { return m_bNoAck; }

    void SetOutputHandler(std::function<void(const QByteArray&)> handler) {
        m_outputHandler = std::move(handler);
    }
    // Text of the "O" packets since the last call.
    QByteArray TakeOutput() { return std::exchange(m_output, QByteArray()); }

    QString LastError() const { return m_strError; }
    QString Description() const { return m_link->Description(); }

    // How many times a frame is sent again before the link counts as broken.
    static constexpr int RESEND_LIMIT = 5;

private:
    bool SendFrame(const QByteArray& frame, int nTimeoutMs);
    bool WaitForAck(const QByteArray& frame, int nTimeoutMs);
    bool ReceiveReply(QByteArray& reply, int nTimeoutMs);
    bool Fill(int nTimeoutMs);
    bool Fail(const QString& strError);

    std::unique_ptr<IGdbLink> m_link;
    QByteArray m_buffer;
    QByteArray m_output;
    std::function<void(const QByteArray&)> m_outputHandler;
    bool m_bNoAck = false;
    QString m_strError;
};
