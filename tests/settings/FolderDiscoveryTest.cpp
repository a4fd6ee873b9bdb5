#include "settings/FolderDiscovery.h"

#include "ErrorOf.h"
#include "MemoryRegistry.h"
#include "MessageRecorder.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "settings/MakeFolder.h"
#include "settings/ProgramFolders.h"
#include "settings/QSettingsRegistry.h"
#include "settings/RegistryText.h"
#include "settings/StandardSpecialFolders.h"

#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <thread>

namespace tolk {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

TEST(ParentFolder, CutsTheLastSlashUnlessItIsTheRoot) {
    EXPECT_EQ(ParentFolder("/home/u/GPS"), "/home/u");
    EXPECT_EQ(ParentFolder("/home"), "/");
    EXPECT_EQ(ParentFolder("/My TOLK"), "/");
    EXPECT_EQ(ParentFolder("/"), "/");
    EXPECT_EQ(ParentFolder("/a/b/"), "/a/b");
    EXPECT_EQ(ParentFolder("/a//b"), "/a//");
    EXPECT_EQ(ParentFolder("name"), "");
}

TEST(MakeFolder, CreatesMissingParentsAndRefusesWhatCannotBeAFolder) {
    testing::TempHome home;
    EXPECT_TRUE(MakeFolder(home / "A/B/C"));
    EXPECT_TRUE(fs::is_directory(home / "A/B/C"));
    EXPECT_TRUE(MakeFolder(home / "A/B"));

    testing::WriteTextFile(home / "file", "x");
    EXPECT_FALSE(MakeFolder(home / "file"));
    EXPECT_FALSE(MakeFolder(home / "file/sub"));
    EXPECT_FALSE(MakeFolder(""));
    EXPECT_FALSE(MakeFolder("relative-name"));
    EXPECT_FALSE(fs::exists("relative-name"));

    // The folder without the trailing "/" is made, then making the path itself fails.
    EXPECT_FALSE(MakeFolder(home / "T/"));
    EXPECT_TRUE(fs::is_directory(home / "T"));
    EXPECT_TRUE(MakeFolder(home / "T/"));
}

// Programs started at the same moment each make the same first-run folders: a folder a
// neighbour made a moment before is no failure.
TEST(MakeFolder, SimultaneousFirstRunsAllSucceed) {
    testing::TempHome home;
    constexpr int Runs = 8;
    for (int trial = 0; trial < 20; ++trial) {
        const std::string folder = home / ("t" + std::to_string(trial) + "/Orvane/TOLK");
        std::atomic<int> ready = 0;
        std::atomic<int> made = 0;
        std::vector<std::thread> runs;
        for (int run = 0; run < Runs; ++run) {
            runs.emplace_back([&] {
                ++ready;
                while (ready < Runs) {
                }
                made += MakeFolder(folder) ? 1 : 0;
            });
        }
        for (std::thread& run : runs) {
            run.join();
        }
        ASSERT_EQ(made, Runs) << "trial " << trial;
    }
}

class FixedSpecialFolders : public SpecialFolders {
public:
    std::string SpecialFolderPath(int csidl) override { return paths[csidl]; }
    std::map<int, std::string> paths;
};

class FolderDiscoveryTest : public ::testing::Test {
protected:
    FolderDiscoveryTest() {
        m_folders.paths = {{DocumentsFolderId, m_home / "Documents"},
                           {AppDataFolderId, m_home / ".local/share"}};
    }
    std::string FindWorkFolder() {
        return m_discovery.FindWorkFolder(m_home / "bin/tolkconv", m_home / "bin/");
    }
    void RegisterWorkFolder(const std::string& folder) {
        m_registry.Set(RegistryRoot::CurrentUser, HostKeyPath, "workfolder",
                       {RegistryType::Text, folder});
    }

    testing::TempHome m_home;
    testing::MemoryRegistry m_registry;
    FixedSpecialFolders m_folders;
    testing::MessageRecorder m_messages;
    FolderDiscovery m_discovery{m_registry, m_folders, m_messages};
};

TEST_F(FolderDiscoveryTest, UserFolderIsMadeInTheDocumentsFolder) {
    std::string userFolder;
    m_discovery.FindUserFolder(userFolder);
    EXPECT_EQ(userFolder, m_home / "Documents/My TOLK");
    EXPECT_TRUE(fs::is_directory(userFolder));
    EXPECT_TRUE(m_messages.shown.empty());

    std::string existing = m_home / "bin";
    fs::create_directories(existing);
    m_discovery.FindUserFolder(existing);
    EXPECT_EQ(existing, m_home / "bin");
}

TEST_F(FolderDiscoveryTest, AUserFolderThatCannotBeMadeIsReportedAndKept) {
    testing::WriteTextFile(m_home / "Documents", "a file");
    std::string userFolder;
    m_discovery.FindUserFolder(userFolder);
    EXPECT_EQ(userFolder, m_home / "Documents/My TOLK");
    EXPECT_EQ(m_messages.shown,
              (Strings{"message: Unable to find or create user folder: " + userFolder}));
}

TEST_F(FolderDiscoveryTest, AFirstRunRegistersTheDefaultWorkFolderAndASecondRunWritesNothing) {
    EXPECT_EQ(FindWorkFolder(), m_home / ".local/share/Orvane/TOLK");
    EXPECT_TRUE(fs::is_directory(m_home / ".local/share/Orvane/TOLK"));
    EXPECT_EQ(m_registry.writes,
              (Strings{"LocalMachine exename=" + m_home / "bin/tolkconv",
                       "CurrentUser workfolder=" + m_home / ".local/share/Orvane/TOLK"}));

    m_registry.writes.clear();
    EXPECT_EQ(FindWorkFolder(), m_home / ".local/share/Orvane/TOLK");
    EXPECT_TRUE(m_registry.writes.empty());
}

TEST_F(FolderDiscoveryTest, WithoutAnAppDataFolderTheExecutablesFolderIsTheDefault) {
    m_folders.paths.erase(AppDataFolderId);
    m_registry.refusedRoots.insert(RegistryRoot::LocalMachine);
    EXPECT_EQ(FindWorkFolder(), m_home / "bin");
    EXPECT_EQ(m_registry.writes, (Strings{"CurrentUser workfolder=" + m_home / "bin"}));
}

TEST_F(FolderDiscoveryTest, ARegisteredFolderIsUsedAsItStandsEvenWhenItCannotBeMade) {
    RegisterWorkFolder(m_home / "host/work");
    EXPECT_EQ(FindWorkFolder(), m_home / "host/work");
    EXPECT_TRUE(fs::is_directory(m_home / "host/work"));

    testing::WriteTextFile(m_home / "unplugged", "a file where the drive should be");
    RegisterWorkFolder(m_home / "unplugged/work");
    m_registry.writes.clear();
    EXPECT_EQ(FindWorkFolder(), "");
    EXPECT_EQ(m_registry.writes, (Strings{})) << "the host's choice stays registered";
    EXPECT_TRUE(m_messages.shown.empty());
    EXPECT_EQ(ProgramFolders{}.SettingsPath(), "") << "no settings file outside a work folder";
}

TEST_F(FolderDiscoveryTest, ANumberRegisteredAsWorkFolderIsAnError) {
    m_registry.Set(RegistryRoot::CurrentUser, HostKeyPath, "workfolder",
                   {RegistryType::Number, std::string(4, '\1')});
    EXPECT_EQ(testing::ErrorOf([this] { FindWorkFolder(); }), "Invalid data type for 'workfolder'");
}

TEST(LinuxFolderDiscovery, FirstAndSecondRunInAFreshHome) {
    testing::TempHome home;
    const std::string userFile = home / ".config/Orvane/TOLK.conf";
    QSettingsRegistry registry(userFile, home / "var/lib/tolkconv/TOLK.conf");
    StandardSpecialFolders folders;
    testing::MessageRecorder messages;
    FolderDiscovery discovery(registry, folders, messages);

    std::string userFolder;
    discovery.FindUserFolder(userFolder);
    EXPECT_EQ(userFolder, home / "Documents/My TOLK");
    EXPECT_TRUE(fs::is_directory(userFolder));
    const std::string workFolder = home / ".local/share/Orvane/TOLK";
    EXPECT_EQ(discovery.FindWorkFolder(home / "bin/tolkconv", home / "bin/"), workFolder);
    EXPECT_TRUE(fs::is_directory(workFolder));
    EXPECT_EQ(RegReadString(registry, RegistryRoot::CurrentUser, HostKeyPath, "workfolder"),
              workFolder);
    EXPECT_EQ(RegReadString(registry, RegistryRoot::LocalMachine, HostKeyPath, "exename"),
              home / "bin/tolkconv");

    const std::string firstRun = testing::ReadTextFile(userFile);
    const auto written = fs::last_write_time(userFile);
    userFolder.clear();
    discovery.FindUserFolder(userFolder);
    EXPECT_EQ(discovery.FindWorkFolder(home / "bin/tolkconv", home / "bin/"), workFolder);
    EXPECT_EQ(testing::ReadTextFile(userFile), firstRun);
    EXPECT_EQ(fs::last_write_time(userFile), written);
    EXPECT_TRUE(messages.shown.empty());
}

// A command that only answers a question looks the folders up: it finds those start-up finds,
// and leaves a fresh home as it was.
TEST(LinuxFolderDiscovery, LookingUpFindsWhatStartUpFindsAndCreatesNothing) {
    testing::TempHome home;
    StandardSpecialFolders specialFolders;
    testing::MessageRecorder messages;
    QSettingsRegistry lookUp =
        QSettingsRegistry::ForThisUser(QSettingsRegistry::Access::LookUpOnly);
    FolderDiscovery lookingUp(lookUp, specialFolders, messages);
    ProgramFolders lookedUp;
    LookUpProgramFolders(home / "bin/tolkconv", lookingUp, lookedUp);
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(home.Path()), {}), 3)
        << "only the state folder the package makes";

    QSettingsRegistry registry = QSettingsRegistry::ForThisUser();
    FolderDiscovery discovery(registry, specialFolders, messages);
    ProgramFolders found;
    FindProgramFolders(home / "bin/tolkconv", discovery, found);
    EXPECT_EQ(std::tie(lookedUp.ExeFolder, lookedUp.UserFolder, lookedUp.WorkFolder),
              std::tie(found.ExeFolder, found.UserFolder, found.WorkFolder));
}

} // namespace
} // namespace tolk
