#include "FtpServer.h"

namespace vordalis::test {

FtpServer::~FtpServer() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.closeWriteChannel(); // the server ends when its input closes
    if (!process_.waitForFinished(2000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

bool FtpServer::Start(const QString& root, const QString& user, const QString& password) {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start(QStringLiteral(UPDATE_TEST_PYTHON),
                   {QStringLiteral(UPDATE_TEST_SERVER), QStringLiteral("--root"), root,
                    QStringLiteral("--user"), user, QStringLiteral("--password"), password});
    if (!process_.waitForStarted(5000)) {
        error_ = process_.errorString();
        return false;
    }
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(10000)) {
            error_ = QString::fromLocal8Bit(process_.readAllStandardError());
            return false;
        }
    }
    bool ok = false;
    port_ = QString::fromLatin1(process_.readLine()).trimmed().toInt(&ok);
    if (!ok || port_ <= 0) error_ = QStringLiteral("no port announced");
    return ok && port_ > 0;
}

} // namespace vordalis::test
