#include "ErrorOf.h"
#include "MemoryRegistry.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "settings/QSettingsRegistry.h"
#include "settings/RegistryText.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

using testing::ErrorOf;
using testing::ReadTextFile;
using testing::WriteTextFile;

const RegistryRoot User = RegistryRoot::CurrentUser;
const RegistryRoot Machine = RegistryRoot::LocalMachine;

class RegistryTextTest : public ::testing::Test {
protected:
    void Store(const std::string& name, RegistryType type, const std::string& data) {
        m_registry.Set(User, HostKeyPath, name, {type, data});
    }
    std::string Read(const std::string& name) {
        return RegReadString(m_registry, User, HostKeyPath, name);
    }
    void Write(RegistryRoot root, const std::string& name, const std::string& text) {
        RegWriteStringIfChanged(m_registry, root, HostKeyPath, name, text);
    }

    testing::MemoryRegistry m_registry;
};

TEST_F(RegistryTextTest, ReadingCreatesTheKeyAndGivesTextUpToItsFirstNul) {
    EXPECT_EQ(Read("workfolder"), "");
    EXPECT_TRUE(m_registry.HasKey(User, HostKeyPath));

    Store("plain", RegistryType::Text, std::string("/data\0junk", 10));
    Store("expand", RegistryType::ExpandableText, "%USERPROFILE%/x");
    Store("empty", RegistryType::Text, std::string(1, '\0'));
    Store("zeroSizeNumber", RegistryType::Number, "");
    EXPECT_EQ(Read("plain"), "/data");
    EXPECT_EQ(Read("expand"), "%USERPROFILE%/x");
    EXPECT_EQ(Read("empty"), "");
    EXPECT_EQ(Read("zeroSizeNumber"), "") << "the size is looked at before the type";
}

TEST_F(RegistryTextTest, NonTextOrUnreadableValuesThrowAndTheKeyIsClosed) {
    Store("workfolder", RegistryType::Number, std::string("\x2a\0\0\0", 4));
    Store("list", RegistryType::MultiText, std::string("a\0b\0", 4));
    Store("lost", RegistryType::Text, "/x");
    m_registry.unreadableValues.insert("lost");
    EXPECT_EQ(ErrorOf([&] { Read("workfolder"); }), "Invalid data type for 'workfolder'");
    EXPECT_EQ(ErrorOf([&] { Read("list"); }), "Invalid data type for 'list'");
    EXPECT_EQ(ErrorOf([&] { Read("lost"); }), "Failed to get data for 'lost'");
    EXPECT_EQ(ErrorOf([&] { Write(User, "workfolder", "/x"); }),
              "Invalid data type for 'workfolder'");
    EXPECT_TRUE(m_registry.writes.empty());
    EXPECT_EQ(m_registry.OpenKeys(), 0);
}

TEST_F(RegistryTextTest, WritesOnlyWhenTheTextDiffersCaseIncluded) {
    Write(Machine, "exename", "/opt/tolk/tolkconv");
    Write(Machine, "exename", "/opt/tolk/tolkconv");
    Write(Machine, "exename", "/opt/TOLK/tolkconv");
    m_registry.Set(Machine, HostKeyPath, "exename", {RegistryType::ExpandableText, "/x"});
    Write(Machine, "exename", "/x");
    EXPECT_EQ(m_registry.writes, (std::vector<std::string>{
                                     "LocalMachine exename=/opt/tolk/tolkconv",
                                     "LocalMachine exename=/opt/TOLK/tolkconv",
                                 }));
}

TEST_F(RegistryTextTest, ARootWithoutFullAccessIsSkippedButARefusedWriteIsAnError) {
    m_registry.refusedRoots.insert(Machine);
    Write(Machine, "exename", "/x");
    EXPECT_EQ(RegReadString(m_registry, Machine, HostKeyPath, "exename"), "");
    EXPECT_TRUE(m_registry.writes.empty());

    m_registry.refusedWrites.insert("workfolder");
    EXPECT_EQ(ErrorOf([&] { Write(User, "workfolder", "/x"); }),
              "Failed to set data for 'workfolder'");
    EXPECT_EQ(m_registry.OpenKeys(), 0);
}

class QSettingsRegistryTest : public ::testing::Test {
protected:
    testing::TempHome m_home;
    std::string m_userFile = m_home / ".config/Orvane/TOLK.conf";
    std::string m_machineFile = m_home / "var/lib/tolkconv/TOLK.conf";
    std::string m_administratorFile = m_home / "etc/xdg/Orvane/TOLK.conf";
    QSettingsRegistry m_registry{m_userFile, m_machineFile, {m_administratorFile}};
};

TEST_F(QSettingsRegistryTest, KeepsEachRootInItsOwnFile) {
    EXPECT_EQ(RegReadString(m_registry, User, HostKeyPath, "workfolder"), "");
    EXPECT_TRUE(std::filesystem::exists(m_userFile)) << "reading creates the key";

    const std::string folder = "/home/u/a, b;c=d @e";
    RegWriteStringIfChanged(m_registry, User, HostKeyPath, "workfolder", folder);
    RegWriteStringIfChanged(m_registry, Machine, HostKeyPath, "exename", "/opt/tolkconv");
    EXPECT_EQ(RegReadString(m_registry, User, HostKeyPath, "workfolder"), folder);
    EXPECT_EQ(RegReadString(m_registry, Machine, HostKeyPath, "exename"), "/opt/tolkconv");
    EXPECT_EQ(RegReadString(m_registry, Machine, HostKeyPath, "workfolder"), "");
    EXPECT_NE(ReadTextFile(m_machineFile).find("exename=/opt/tolkconv"), std::string::npos);
    EXPECT_EQ(m_registry.OpenOrCreateKey(User, "Software\\Other"), nullptr);
}

// The administrator's configuration is read for the machine where the record holds nothing, and
// is never written: the record takes what the program writes.
TEST_F(QSettingsRegistryTest, TheMachineReadsTheAdministratorsFileButWritesItsRecord) {
    const std::string configured = "[General]\nexename=/usr/bin/x\nlimit=5\n";
    WriteTextFile(m_administratorFile, configured);
    EXPECT_EQ(RegReadString(m_registry, Machine, HostKeyPath, "exename"), "/usr/bin/x");
    RegWriteStringIfChanged(m_registry, Machine, HostKeyPath, "exename", "/usr/bin/x");
    EXPECT_EQ(ReadTextFile(m_machineFile), "") << "an unchanged value is not recorded";

    RegWriteStringIfChanged(m_registry, Machine, HostKeyPath, "exename", "/usr/lib/tolkconv/x");
    EXPECT_EQ(RegReadString(m_registry, Machine, HostKeyPath, "exename"), "/usr/lib/tolkconv/x");
    EXPECT_EQ(RegReadString(m_registry, Machine, HostKeyPath, "limit"), "5");
    EXPECT_EQ(ReadTextFile(m_administratorFile), configured);
    EXPECT_EQ(RegReadString(m_registry, User, HostKeyPath, "limit"), "");
}

TEST_F(QSettingsRegistryTest, ARootThatCannotBeWrittenIsNotOpenedAndNoStateFolderIsMade) {
    std::filesystem::remove(m_home / "var/lib/tolkconv");
    RegWriteStringIfChanged(m_registry, Machine, HostKeyPath, "exename", "/opt/tolkconv");
    EXPECT_EQ(m_registry.OpenOrCreateKey(Machine, HostKeyPath), nullptr);
    EXPECT_FALSE(std::filesystem::exists(m_home / "var/lib/tolkconv"));

    WriteTextFile(m_home / ".config", "a file where the folder should be");
    EXPECT_EQ(m_registry.OpenOrCreateKey(User, HostKeyPath), nullptr);
}

TEST_F(QSettingsRegistryTest, LookingUpReadsWhatIsThereAndCreatesNothing) {
    QSettingsRegistry lookUp(m_userFile, m_machineFile, {m_administratorFile},
                             QSettingsRegistry::Access::LookUpOnly);
    EXPECT_EQ(RegReadString(lookUp, User, HostKeyPath, "workfolder"), "");
    EXPECT_FALSE(std::filesystem::exists(m_home / ".config"));

    WriteTextFile(m_userFile, "[General]\nworkfolder=/w\n");
    EXPECT_EQ(RegReadString(lookUp, User, HostKeyPath, "workfolder"), "/w");
    EXPECT_FALSE(lookUp.OpenOrCreateKey(User, HostKeyPath)->WriteText("workfolder", "/x"));
    EXPECT_EQ(ReadTextFile(m_userFile), "[General]\nworkfolder=/w\n");
    EXPECT_FALSE(std::filesystem::exists(m_machineFile));
}

TEST_F(QSettingsRegistryTest, HandMadeEntriesAreTextUnlessMarkedAsNumberOrBinary) {
    WriteTextFile(m_userFile, "[General]\n"
                              "text=12\n"
                              "workfolder=/data/a, b,c\n"
                              "binary=@ByteArray(abc)\n"
                              "number=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\f)\n");
    EXPECT_EQ(RegReadString(m_registry, User, HostKeyPath, "text"), "12");
    // QSettings alone would read a list here.
    EXPECT_EQ(RegReadString(m_registry, User, HostKeyPath, "workfolder"), "/data/a, b,c");
    RegWriteStringIfChanged(m_registry, User, HostKeyPath, "workfolder", "/data/a, b,c");
    EXPECT_NE(ReadTextFile(m_userFile).find("workfolder=/data/a, b,c\n"), std::string::npos)
        << "an unchanged value is not rewritten";
    for (const char* name : {"binary", "number"}) {
        EXPECT_EQ(ErrorOf([&] { RegReadString(m_registry, User, HostKeyPath, name); }),
                  std::string("Invalid data type for '") + name + "'");
    }
    const auto number = m_registry.OpenOrCreateKey(User, HostKeyPath)->ReadValue("number");
    EXPECT_EQ(number->type, RegistryType::Number);
}

} // namespace
} // namespace tolk
