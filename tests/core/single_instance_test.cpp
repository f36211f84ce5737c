#include "core/single_instance.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstEnds) {
    TempDir dir;
    const QString lock = dir.file("tallyrix6.lock");
    auto first = std::make_unique<SingleInstance>(lock);
    ASSERT_TRUE(first->tryAcquire());
    EXPECT_TRUE(first->tryAcquire());  // holding it already
    SingleInstance second(lock);
    EXPECT_FALSE(second.tryAcquire());
    first.reset();
    EXPECT_TRUE(second.tryAcquire());
}

TEST(SingleInstance, LockLivesInTheTemporaryFolder) {
    EXPECT_TRUE(SingleInstance::defaultLockPath().endsWith(QStringLiteral("/tallyrix6.lock")));
}

}  // namespace
