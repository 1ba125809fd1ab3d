#include "desktop_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(PlatformChoice, X11WhenThePersonChoseNoneAndAnXDisplayIsNamed)
{
    struct Case {
        const char* qtQpaPlatform;
        const char* display;
        const char* waylandDisplay;
        std::vector<std::string> arguments;  // after the program's name
        std::string_view platform;
    };
    const std::vector<Case> cases = {
        {nullptr, ":0", nullptr, {}, "xcb"},
        {nullptr, ":0", "wayland-0", {}, "xcb;wayland"},
        {"", ":0", "", {}, "xcb"},  // empty is unset
        {nullptr, nullptr, "wayland-0", {}, ""},
        {nullptr, "", "wayland-0", {}, ""},
        {nullptr, nullptr, nullptr, {}, ""},
        {"wayland", ":0", "wayland-0", {}, ""},
        {"xcb", ":0", nullptr, {}, ""},
        {nullptr, ":0", "wayland-0", {"-platform", "wayland"}, ""},
        {nullptr, ":0", nullptr, {"-style", "fusion", "--platform", "offscreen"}, ""},
        {nullptr, ":0", nullptr, {"-platformtheme", "gtk3"}, "xcb"},
        {nullptr, ":0", nullptr, {"-platform"}, "xcb"},  // without a name Qt takes no choice from it
        {nullptr, ":0", nullptr, {"-platform=wayland"}, "xcb"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> strings = {"nordamo"};
        strings.insert(strings.end(), c.arguments.begin(), c.arguments.end());
        std::vector<char*> argv;
        for (std::string& s : strings) argv.push_back(s.data());
        EXPECT_EQ(platformToUse(c.qtQpaPlatform, c.display, c.waylandDisplay, argv), c.platform)
            << (c.qtQpaPlatform ? c.qtQpaPlatform : "(unset)") << " " << (c.display ? c.display : "(unset)") << " "
            << (c.waylandDisplay ? c.waylandDisplay : "(unset)") << " " << ::testing::PrintToString(c.arguments);
    }
}
