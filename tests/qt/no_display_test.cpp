// Without a usable display the toolkit does not start, and says so in one line instead of
// aborting the process.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/platform.h"

namespace {

struct Setting {
    const char* what;
    const char* platform;  // QT_QPA_PLATFORM, or nullptr for none
    const char* display;   // DISPLAY, or nullptr for none
};

class NoDisplay : public ::testing::TestWithParam<Setting> {};

void Apply(const char* name, const char* value) {
    if (value) setenv(name, value, 1);
    else unsetenv(name);
}

[[noreturn]] void InitAndExit(const Setting& c) {
    Apply("QT_QPA_PLATFORM", c.platform);
    Apply("DISPLAY", c.display);
    unsetenv("WAYLAND_DISPLAY");
    static char name[] = "pixmosa";
    char* argv[] = {name, nullptr};
    std::exit(PlatformInit(1, argv) ? 1 : 0);
}

TEST_P(NoDisplay, InitFailsWithOneLine) {
    const Setting& c = GetParam();
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process, whatever ran before
    EXPECT_EXIT(InitAndExit(c), ::testing::ExitedWithCode(0), "^pixmosa: no window could be opened[^\n]*\n$")
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(Settings, NoDisplay, ::testing::Values(
    Setting{"nothing set", nullptr, nullptr},
    Setting{"an X display nobody serves", nullptr, ":917"},
    Setting{"xcb asked for, no display", "xcb", nullptr},
    Setting{"xcb asked for, a display nobody serves", "xcb", "unix:917.0"},
    Setting{"wayland asked for, no compositor", "wayland", nullptr},
    Setting{"a garbled display name", nullptr, "nonsense"}));

TEST(WithDisplay, OffscreenStartsAndKeepsTheArgumentsAsGiven) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static char name[] = "pixmosa", a[] = "-platform", b[] = "my font.fnt";
    char* argv[] = {name, a, b, nullptr};
    ASSERT_TRUE(PlatformInit(3, argv));
    // Qt sees none of them: an argument that looks like a Qt option stays the program's.
    EXPECT_EQ(CommandLineArguments(), (std::vector<std::string>{"-platform", "my font.fnt"}));
    PlatformShutdown();
}

}  // namespace
