#include "gui/single_copy.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace tessaline::gui {

namespace {
// A request longer than this is no request of ours.
constexpr qint64 kMaxRequest = 64;
// Between two tries to reach a copy that does not listen yet.
constexpr unsigned long kRetryMs = 100;
} // namespace

RunningCopyListener::RunningCopyListener(QWidget& window, const QString& socketPath)
    : window_(&window), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // This copy holds the single-copy lock, so a socket left at the path is a crashed copy's.
    QLocalServer::removeServer(socketPath);
    server_->listen(socketPath);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, client, [this, client] {
                if (!client->canReadLine()) {
                    if (client->bytesAvailable() > kMaxRequest) client->abort();
                    return;
                }
                const QByteArray line = client->readLine(kMaxRequest);
                if (line == kShowRequest && window_) {
                    BringToFront(*window_);
                    client->write(kShownAnswer);
                    client->flush();
                }
                client->disconnectFromServer();
            });
        }
    });
}

bool RunningCopyListener::listening() const {
    return server_->isListening();
}

QString RunningCopyListener::errorText() const {
    return server_->errorString();
}

void BringToFront(QWidget& window) {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

bool AskRunningCopyToShow(const QString& socketPath, int timeoutMs) {
    QLocalSocket socket;
    // The running copy may still be starting, before it listens: try again until the time is up.
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) break;
        if (deadline.hasExpired()) return false;
        QThread::msleep(kRetryMs);
    }
    socket.write(kShowRequest);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    }
    return socket.readLine(kMaxRequest) == kShownAnswer;
}

} // namespace tessaline::gui
