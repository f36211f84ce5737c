#include "core/single_instance.h"

#include <QDir>

namespace tallyrix {

QString SingleInstance::defaultLockPath() {
    return QDir::tempPath() + QStringLiteral("/tallyrix6.lock");
}

SingleInstance::SingleInstance(const QString& lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath)) {
    // Only a dead owner makes a lock stale, never its age: the first instance may run for weeks.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire() {
    return m_lock->isLocked() || m_lock->tryLock(0);
}

}  // namespace tallyrix
