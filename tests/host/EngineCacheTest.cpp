#include "StandInEngine.h"
#include "TempHome.h"
#include "TextFiles.h"
#include "host/engine/EngineLocator.h"
#include "host/engine/UserCacheFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

namespace tolk {
namespace {

constexpr std::chrono::seconds Limit(10);

// An engine that notes every question it is asked and answers with a made-up format.
class CountingEngine : public ::testing::Test {
protected:
    CountingEngine() : m_path(m_home / "engine") {
        std::filesystem::create_directory(m_home / "engine");
        Install("9.9.9");
    }

    void Install(const std::string& version) {
        const std::string program = m_home / "engine/gpsbabel";
        testing::WriteTextFile(program, "#!/bin/sh\necho \"$1\" >> '" + Log() +
                                            "'\n"
                                            "case \"$1\" in\n"
                                            "-V) printf '\\nGPSBabel Version " +
                                            version +
                                            "\\n\\n' ;;\n"
                                            "-^3) printf 'file\\trw----\\tfmta\\tfa\\tAlpha track "
                                            "format\\tfmta\\n' ;;\n"
                                            "*) exit 1 ;;\n"
                                            "esac\n");
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    }

    std::string Log() const { return m_home / "questions"; }

    // The questions the engine was asked by one search, in order.
    std::string QuestionsWhileFinding(const std::string& version) {
        std::filesystem::remove(Log());
        const std::optional<LocatedEngine> engine = FindWorkingGpsBabel(Limit);
        EXPECT_TRUE(engine);
        if (engine) {
            EXPECT_EQ(engine->version, "GPSBabel Version " + version);
            EXPECT_NE(engine->formats.Named("fmta"), nullptr);
        }
        return std::filesystem::exists(Log()) ? testing::ReadTextFile(Log()) : "";
    }

    std::string CacheFile() const { return UserCacheFolder() + "/engine-answers"; }

    testing::TempHome m_home;
    testing::EnginePath m_path;
};

TEST_F(CountingEngine, AsksOnceAndAgainOnlyWhenTheEngineChanges) {
    EXPECT_EQ(QuestionsWhileFinding("9.9.9"), "-V\n-^3\n");
    EXPECT_EQ(CacheFile().rfind(m_home.Path(), 0), 0u);
    EXPECT_EQ(QuestionsWhileFinding("9.9.9"), "");

    Install("10.0.0");
    EXPECT_EQ(QuestionsWhileFinding("10.0.0"), "-V\n-^3\n");
    EXPECT_EQ(QuestionsWhileFinding("10.0.0"), "");
}

TEST_F(CountingEngine, RebuildsADamagedCacheSilently) {
    QuestionsWhileFinding("9.9.9");
    const std::string kept = testing::ReadTextFile(CacheFile());
    const std::string damaged[] = {"", "garbage\n", kept.substr(0, kept.size() - 3), kept + "extra",
                                   kept.substr(kept.find('\n'))};
    for (const std::string& text : damaged) {
        testing::WriteTextFile(CacheFile(), text);
        EXPECT_EQ(QuestionsWhileFinding("9.9.9"), "-V\n-^3\n") << text;
        EXPECT_EQ(QuestionsWhileFinding("9.9.9"), "") << text;
    }
}

TEST_F(CountingEngine, WorksWithoutACacheThatCanBeWritten) {
    std::filesystem::create_directories(UserCacheFolder());
    std::filesystem::remove(UserCacheFolder());
    testing::WriteTextFile(UserCacheFolder(), "a file where the folder should be");
    EXPECT_EQ(QuestionsWhileFinding("9.9.9"), "-V\n-^3\n");
    EXPECT_EQ(QuestionsWhileFinding("9.9.9"), "-V\n-^3\n");
}

} // namespace
} // namespace tolk
