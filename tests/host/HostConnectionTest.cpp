#include "host/HostConnection.h"

#include "ScriptedHost.h"
#include "core/TolkError.h"
#include "host/HostErrorText.h"

#include <gtest/gtest.h>

namespace tolk {
namespace {

using testing::Failure;

std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const TolkError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(HostErrorText, TrimsTheHostsDescriptionAtTheEnd) {
    EXPECT_EQ(HostErrorText(Failure("File is locked. \r\n")), "File is locked");
    EXPECT_EQ(HostErrorText(Failure("v1.2 failed...")), "v1.2 failed");
    EXPECT_EQ(HostErrorText(Failure("  lead. kept")), "  lead. kept");
}

TEST(HostErrorText, FallsBackToSystemTextThenToTheStatusNumber) {
    EXPECT_EQ(HostErrorText(Failure("", static_cast<std::int32_t>(0x80004005u))),
              "Unspecified error");
    EXPECT_EQ(HostErrorText(Failure(" .. ", static_cast<std::int32_t>(0x80070057u))),
              "The parameter is incorrect");
    EXPECT_EQ(HostErrorText(Failure("", static_cast<std::int32_t>(0x80040201u))),
              "OLE error 80040201");
    EXPECT_EQ(HostErrorText(Failure("", static_cast<std::int32_t>(0x8000000Au))),
              "OLE error 8000000a");
}

TEST(HostConnection, AbsentHostFailsEveryCall) {
    HostConnection host;
    const std::string invalid = "Invalid pointer";
    EXPECT_EQ(ErrorOf([&] { host.RefreshData(); }), invalid);
    EXPECT_EQ(ErrorOf([&] { host.RefreshMap(); }), invalid);
    EXPECT_EQ(ErrorOf([&] { host.OpenFile("/a.txt"); }), invalid);
    EXPECT_EQ(ErrorOf([&] { host.CloseWindow(); }), invalid);
    EXPECT_EQ(ErrorOf([&] { host.SaveFileAs("/a.kml"); }), invalid);
    EXPECT_EQ(ErrorOf([&] { host.MergeFile("/a.wpt"); }), invalid);
    EXPECT_EQ(ErrorOf([&] { host.GetVersion(); }), invalid);
    EXPECT_EQ(ErrorOf([&] { host.ChangeDatum("WGS 84"); }), invalid);
    EXPECT_EQ(ErrorOf([&] { host.ChangeGrid("UTM/UPS"); }), invalid);
}

TEST(HostConnection, NonNegativeStatusIsSuccessWhateverTheResultCode) {
    auto script = std::make_shared<testing::HostScript>();
    HostConnection host(std::make_unique<testing::ScriptedHost>(script));
    script->QueueResult("OpenFile", -7);
    script->SetFailure("SaveFileAs", Failure("Disk is full."));
    script->version = "TOLK 4.21";

    EXPECT_EQ(host.OpenFile("/in/a.txt"), -7);
    EXPECT_EQ(host.OpenFile("/in/b.txt"), 0);
    EXPECT_EQ(host.GetVersion(), "TOLK 4.21");
    EXPECT_EQ(ErrorOf([&] { host.SaveFileAs("/out/a.kml"); }), "Disk is full");
    EXPECT_EQ(script->calls, (std::vector<std::string>{"OpenFile(/in/a.txt)", "OpenFile(/in/b.txt)",
                                                       "GetVersion", "SaveFileAs(/out/a.kml)"}));
    host.Release();
    EXPECT_FALSE(host.Present());
}

} // namespace
} // namespace tolk
