#pragma once

#include <QString>

namespace tallyrix {

// Keeps a second copy of the program from working on the same data folder. The
// lock is an advisory lock on "tallyrix6.lock" in the data folder, held through
// an open file for as long as the program runs; the system drops it when the
// process ends, however it ends. So whatever a left-over file holds (nothing,
// garbage, the process id of a copy that died, on this host or another) it
// never blocks a start: only a running copy holds the lock.
class SingleInstance {
public:
    enum class Outcome { Acquired, HeldByAnotherCopy, CannotCreate };

    explicit SingleInstance(QString lockPath);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // "tallyrix6.lock" in the folder.
    static QString lockPathIn(const QString& dataFolder);

    // Takes the lock. CannotCreate leaves the system's reason in `reason`.
    Outcome acquire(QString* reason = nullptr);
    bool held() const { return m_fd >= 0; }
    const QString& lockPath() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
};

}  // namespace tallyrix
