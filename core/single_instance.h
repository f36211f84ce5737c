#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace tallyrix {

// The lock that keeps a second copy of the program from running beside the
// first. It is held until the object (normally: the process) ends; the lock of a
// process that died is taken over.
class SingleInstance {
public:
    // The lock file "tallyrix6.lock" in the temporary folder.
    static QString defaultLockPath();

    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    ~SingleInstance();

    // True when this process now holds the lock.
    bool tryAcquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace tallyrix
