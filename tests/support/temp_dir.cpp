#include "tests/support/temp_dir.h"

#include <QFile>
#include <stdexcept>

namespace tallyrix::test {

TempDir::TempDir() {
    if (!m_dir.isValid()) {
        throw std::runtime_error("cannot create a temporary folder");
    }
}

QString fixture(const QString& relative) {
    return QStringLiteral(TALLYRIX_TEST_DATA) + u'/' + relative;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

}  // namespace tallyrix::test

#include <sys/resource.h>
#include <csignal>

namespace tallyrix::test {

FileSizeLimit::FileSizeLimit(unsigned long bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_oldSoft = limit.rlim_cur;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_oldSoft;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_oldHandler);
}

}  // namespace tallyrix::test
