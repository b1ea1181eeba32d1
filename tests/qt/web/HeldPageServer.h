#pragma once
// A web server on the loopback interface that answers one page only when the test lets it, so a
// page can be kept loading for as long as a test needs.

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace zen::test {

class HeldPageServer {
 public:
  explicit HeldPageServer(QByteArray title) : title_(std::move(title)) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      while (QTcpSocket* s = server_.nextPendingConnection()) {
        waiting_.append(s);
        if (released_) answerAll();
      }
    });
  }
  bool listening() const { return server_.isListening(); }
  QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/held.html").arg(server_.serverPort())); }
  int connections() const { return int(waiting_.size()) + answered_; }
  // Answers every request from now on.
  void release() {
    released_ = true;
    answerAll();
  }

 private:
  void answerAll() {
    const QByteArray body = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title_ +
                            "</title></head><body>held</body></html>";
    for (const QPointer<QTcpSocket>& s : waiting_) {
      if (!s) continue;
      // Reads the request first so the answer never races it.
      s->readAll();
      s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\nContent-Length: " +
               QByteArray::number(body.size()) + "\r\n\r\n" + body);
      s->disconnectFromHost();
      ++answered_;
    }
    waiting_.clear();
  }

  QTcpServer server_;
  QByteArray title_;
  QList<QPointer<QTcpSocket>> waiting_;
  bool released_ = false;
  int answered_ = 0;
};

}  // namespace zen::test
