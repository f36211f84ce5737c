#include "core/folders.h"

#include <gtest/gtest.h>

#include <QDir>

#include "core/line_store.h"
#include "tests/support/temp_dir.h"

using namespace tallyrix;
using namespace tallyrix::test;

namespace {

// A small install folder: two masters (one with LF endings), one description
// list, a style file, a config file and a subfolder that must not be copied.
void makeInstallFolder(const QString& root) {
    QDir dir(root);
    for (const char* sub : {"cldata", "style/sub", "config"}) {
        dir.mkpath(QString::fromLatin1(sub));
    }
    writeBytes(root + "/cldata/kamoku1.dat", "\x94\x84\x8f\xe3\n\x8e\x64\x93\xfc\n");  // 売上, 仕入
    writeBytes(root + "/cldata/kamoku2.dat", "a\r\n");
    writeBytes(root + "/cldata/tekiya3.dat", "x\ry\n");
    writeBytes(root + "/cldata/other.dat", "not a master\r\n");
    writeBytes(root + "/style/ledger.sle", "raw\nbytes");
    writeBytes(root + "/style/sub/inner.sle", "x");
    writeBytes(root + "/config/SDAYLIST.DAT", "2015/01/01\n");
}

TEST(Folders, ProvisionCopiesMastersThroughTheLineStore) {
    TempDir install;
    TempDir base;
    makeInstallFolder(install.path());
    const Folders folders{install.path(), base.file("data/orbelle/tallyrix6")};

    EXPECT_TRUE(ensureDataFolder(folders));

    for (const char* sub : {"cldata", "style", "config", "ini"}) {
        EXPECT_TRUE(QDir(folders.dataFile(QString::fromLatin1(sub))).exists()) << sub;
    }
    EXPECT_EQ(readBytes(folders.dataFile("cldata/kamoku1.dat")),
              QByteArray("\x94\x84\x8f\xe3\r\n\x8e\x64\x93\xfc\r\n"));
    EXPECT_EQ(readBytes(folders.dataFile("cldata/tekiya3.dat")), QByteArray("xy\r\n"));
    EXPECT_FALSE(QFile::exists(folders.dataFile("cldata/other.dat")));
    EXPECT_FALSE(QFile::exists(folders.dataFile("cldata/tekiya1.dat")));
    // Style and config are copied as they are, files only.
    EXPECT_EQ(readBytes(folders.dataFile("style/ledger.sle")), QByteArray("raw\nbytes"));
    EXPECT_FALSE(QFile::exists(folders.dataFile("style/sub")));
    EXPECT_EQ(readBytes(folders.dataFile("config/SDAYLIST.DAT")), QByteArray("2015/01/01\n"));
}

TEST(Folders, AnExistingDataFolderIsNotProvisionedAgain) {
    TempDir install;
    TempDir data;
    makeInstallFolder(install.path());
    const Folders folders{install.path(), data.path()};
    EXPECT_FALSE(ensureDataFolder(folders));
    EXPECT_FALSE(QDir(folders.dataFile("cldata")).exists());
}

TEST(Folders, ProvisionOverwritesStyleAndConfigAndSkipsMissingSources) {
    TempDir install;
    TempDir data;
    makeInstallFolder(install.path());
    QDir(data.path()).mkpath("style");
    writeBytes(data.file("style/ledger.sle"), "user's old copy");
    provisionDataFolder({install.path(), data.path()});
    EXPECT_EQ(readBytes(data.file("style/ledger.sle")), QByteArray("raw\nbytes"));

    TempDir empty;
    TempDir data2;
    provisionDataFolder({empty.path(), data2.path()});
    EXPECT_TRUE(QDir(data2.file("ini")).exists());
    EXPECT_TRUE(QDir(data2.file("cldata")).entryList(QDir::Files).isEmpty());
}

TEST(Folders, InstallFolderIsTheProgramFolderOnlyWhenItHoldsCldata) {
    TempDir tree;
    QDir(tree.path()).mkpath("bin/cldata");
    QDir(tree.path()).mkpath("usr/bin");
    EXPECT_EQ(installFolderFor(tree.file("bin")), tree.file("bin"));
    EXPECT_EQ(installFolderFor(tree.file("usr/bin")), tree.file("usr/share/tallyrix6"));
}

TEST(Folders, DataFolderFollowsTheEnvironment) {
    const QByteArray saved = qgetenv("TALLYRIX6_DATA_DIR");
    qputenv("TALLYRIX6_DATA_DIR", "/tmp/somewhere/else/");
    EXPECT_EQ(dataFolder(), QStringLiteral("/tmp/somewhere/else"));
    qunsetenv("TALLYRIX6_DATA_DIR");
    EXPECT_TRUE(dataFolder().endsWith(QStringLiteral("/orbelle/tallyrix6")));
    qputenv("TALLYRIX6_DATA_DIR", saved);
}

}  // namespace
