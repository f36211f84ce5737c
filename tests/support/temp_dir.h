#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace tallyrix::test {

// A fresh folder that is removed with the object.
class TempDir {
public:
    TempDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// The path of a committed fixture under tests/data.
QString fixture(const QString& relative);

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

}  // namespace tallyrix::test

namespace tallyrix::test {

// While it lives, no file of this process can grow beyond `bytes`: writes past
// the limit fail as on a full disk, also for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long m_oldSoft;
    void (*m_oldHandler)(int);
};

}  // namespace tallyrix::test
