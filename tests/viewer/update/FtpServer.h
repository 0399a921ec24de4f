#pragma once
// A real FTP server on 127.0.0.1 for the update tests (pyftpdlib in a child process),
// serving one folder to one user. It ends with this object.
#include <QProcess>
#include <QString>

namespace vordalis::test {

class FtpServer {
public:
    ~FtpServer();
    // Starts serving root; false (with the reason in error()) when it did not come up.
    bool Start(const QString& root, const QString& user, const QString& password);
    int port() const { return port_; }
    QString error() const { return error_; }

private:
    QProcess process_;
    int port_ = 0;
    QString error_;
};

} // namespace vordalis::test
