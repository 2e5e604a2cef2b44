#include "app/startup/QtStartup.h"
#include "platform/core/IniDocument.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace {

struct DisplayCase {
    const char* name;
    const char* platform;
    const char* display;
    const char* wayland;
    bool missing;
};

class MissingDisplay : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(MissingDisplay, IsToldOnlyWhenThePlatformNeedsOne)
{
    const DisplayCase& c = GetParam();
    EXPECT_EQ(!MissingDisplayMessage(c.platform, c.display, c.wayland).empty(), c.missing);
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, MissingDisplay,
    ::testing::Values(DisplayCase{"NothingSet", "", nullptr, nullptr, true},
                      DisplayCase{"EmptyDisplay", "", "", "", true},
                      DisplayCase{"X", "", ":0", nullptr, false},
                      DisplayCase{"Wayland", "", nullptr, "wayland-0", false},
                      DisplayCase{"XcbWithoutX", "xcb", nullptr, "wayland-0", true},
                      DisplayCase{"WaylandWithoutIt", "wayland-egl", ":0", nullptr, true},
                      DisplayCase{"Offscreen", "offscreen", nullptr, nullptr, false},
                      DisplayCase{"VncWithOptions", "vnc:size=800x600", nullptr, nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct RunResult {
    int exitCode = -1;
    std::string errors;
};

// The program itself, with the environment changes given in shell form before it.
RunResult RunProgram(const std::string& environment, const std::string& folder)
{
    const std::string errors = folder + "/stderr.txt";
    const std::string command = "env " + environment + " XDG_CONFIG_HOME=" + folder +
                                "/config XDG_DATA_HOME=" + folder + "/data " + std::string(ZOD_PROGRAM) + " 2>" +
                                errors + " >/dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, testsupport::ReadTextFile(errors)};
}

TEST(Program, StartsShowsItsWindowAndEndsCleanly)
{
    testsupport::TempFolder folder;
    const RunResult run = RunProgram("QT_QPA_PLATFORM=offscreen ZOD_CLOSE_AFTER_START=1", folder.Path());
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    const platform::IniDocument settings(testsupport::ReadTextFile(folder / "config/Tarvello/Zod.conf"));
    EXPECT_EQ(settings.GetValue("Software\\Wendrick\\Tarvello\\Zod\\Misc", "ShowSplash"), "1");
    EXPECT_EQ(settings.GetValue("Software\\Wendrick\\Tarvello\\Zod\\Bidder", "Name"), "Unknown");
}

TEST(Program, WithoutADisplaySaysSoInOneLine)
{
    testsupport::TempFolder folder;
    const RunResult run = RunProgram("-u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY", folder.Path());
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_FALSE(run.errors.empty());
    EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << run.errors;
    EXPECT_NE(run.errors.find("QT_QPA_PLATFORM=offscreen"), std::string::npos);
}

TEST(Program, WithADisplayThatCannotBeReachedSaysSoInsteadOfAborting)
{
    testsupport::TempFolder folder;
    const RunResult run = RunProgram("-u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:97", folder.Path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.errors.find("Zod cannot open its window"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("QT_QPA_PLATFORM=offscreen"), std::string::npos);
}

} // namespace
