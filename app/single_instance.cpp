#include "app/single_instance.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace tallyrix {

SingleInstance::SingleInstance(QString lockPath) : m_path(std::move(lockPath)) {}

SingleInstance::~SingleInstance() {
    // The file stays: removing it could let a copy that opened it just now lock
    // a file nobody else sees. Closing drops the lock.
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

QString SingleInstance::lockPathIn(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/tallyrix6.lock");
}

SingleInstance::Outcome SingleInstance::acquire(QString* reason) {
    if (m_fd >= 0) {
        return Outcome::Acquired;
    }
    const QByteArray path = QFile::encodeName(m_path);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (reason) {
            *reason = QString::fromLocal8Bit(std::strerror(errno));
        }
        return Outcome::CannotCreate;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            return Outcome::HeldByAnotherCopy;
        }
        if (reason) {
            *reason = QString::fromLocal8Bit(std::strerror(error));
        }
        return Outcome::CannotCreate;
    }
    m_fd = fd;
    // Who holds it, for a person who looks; the program itself never reads this.
    const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                             QSysInfo::machineHostName().toUtf8() + '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::write(fd, owner.constData(), owner.size());
    }
    return Outcome::Acquired;
}

}  // namespace tallyrix
