#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <memory>

#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

TEST(SingleInstance, ASecondHolderIsRefusedUntilTheFirstEnds) {
    TempDir dir;
    const QString lock = SingleInstance::lockPathIn(dir.path());
    EXPECT_EQ(lock, dir.file("tallyrix6.lock"));
    auto first = std::make_unique<SingleInstance>(lock);
    ASSERT_EQ(first->acquire(), SingleInstance::Outcome::Acquired);
    EXPECT_EQ(first->acquire(), SingleInstance::Outcome::Acquired);  // holding it already
    SingleInstance second(lock);
    EXPECT_EQ(second.acquire(), SingleInstance::Outcome::HeldByAnotherCopy);
    first.reset();
    EXPECT_EQ(second.acquire(), SingleInstance::Outcome::Acquired);
}

// Whatever a left-over lock file holds, nobody holds the lock: it is taken over.
TEST(SingleInstance, ALeftOverLockFileIsTakenOver) {
    const struct {
        const char* name;
        QByteArray content;
        bool old;
    } cases[] = {
        {"empty", "", false},
        {"garbage", "\xff\xfe not a lock at all", false},
        {"dead copy on another host", "999999\nanother-host\ntallyrix6\n", false},
        {"years old", "1\nthis-host\n", true},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const QString lock = SingleInstance::lockPathIn(dir.path());
        writeBytes(lock, c.content);
        if (c.old) {
            QFile file(lock);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.setFileTime(QDateTime(QDate(2010, 1, 1), QTime(0, 0)),
                             QFileDevice::FileModificationTime);
        }
        SingleInstance instance(lock);
        EXPECT_EQ(instance.acquire(), SingleInstance::Outcome::Acquired) << c.name;
    }
}

TEST(SingleInstance, ALockThatCannotBeCreatedSaysWhy) {
    TempDir dir;
    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"a folder in its place", dir.file("taken")},
        {"a data folder that is not there", dir.file("missing/tallyrix6.lock")},
    };
    QDir().mkpath(dir.file("taken"));
    for (const auto& c : cases) {
        SingleInstance instance(c.path);
        QString reason;
        EXPECT_EQ(instance.acquire(&reason), SingleInstance::Outcome::CannotCreate) << c.name;
        EXPECT_FALSE(reason.isEmpty()) << c.name;
        EXPECT_FALSE(instance.held()) << c.name;
    }
}

}  // namespace
