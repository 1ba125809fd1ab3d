#include "desktop_platform.h"
#include "game_window_fixture.h"
#include "state_fixture.h"

#include <QPlainTextEdit>
#include <qpa/qwindowsysteminterface.h>

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

class Closing : public GameTest {
protected:
    // A close as a window manager asks for it: queued for the event loop, and dropped by Qt for
    // a window that a modal box blocks.
    void requestClose() { QWindowSystemInterface::handleCloseEvent(form->windowHandle()); }

    // The person clicks cell from within the application's own event loop. The result is the
    // loop's exit code once the program has left it, or 1 when it is still running long after.
    int runFromClick(std::int32_t cell)
    {
        QTimer::singleShot(0, form.get(), [this, cell] { clickCell(cell); });
        QTimer::singleShot(std::chrono::seconds{20}, form.get(), [] { QCoreApplication::exit(1); });
        return QApplication::exec();
    }
};

TEST_F(Closing, ACloseDuringAMoveOrAtAMessageBoxEndsTheProgramOnceTheHandlerReturns)
{
    struct Case {
        const char* what;
        const char* moves;  // before the person's click
        const char* cell;   // the click
        bool inTheBox;      // the close comes while the first message box is open, else at the first pause
        qsizetype movesPlayed;
    };
    const std::vector<Case> cases = {
        {"the computer answers the move", "", "a2", false, 2},
        {"the computer's pass follows", "b1a3d4d3d2c1", "d1", false, 7},
        {"the computer's pass is shown", "b1a3d4d3d2c1", "d1", true, 7},
        {"the person's pass is shown: the computer moves no more", "b1a3b4c3a4a3a4c1a2b4c4a1b1a1d3d4b3d2c1d4c4b2c2d3", "d2",
         true, 26},
        {"the result follows", "a2a3a4a3c2c1a4b4c4b4c3d2d3d4d1b1d1b2c1a1a1c4b3d4d3a2b1", "d2", false, 28},
        {"the result is shown", "a2a3a4a3c2c1a4b4c4b4c3d2d3d4d1b1d1b2c1a1a1c4b3d4d3a2b1", "d2", true, 28},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();  // a fresh window: the one before is closed
        choose(0, 0);
        pressOk();
        ASSERT_TRUE(replayRecord(cells(c.moves), BLACK));
        bool closeAsked = false;
        game().onPause = [&](std::int32_t) {
            if (!c.inTheBox && !std::exchange(closeAsked, true)) requestClose();
        };
        // No box is answered: only the close can end it.
        answerer.whileOpen = [&] {
            if (c.inTheBox && !std::exchange(closeAsked, true)) requestClose();
            return false;
        };
        EXPECT_EQ(runFromClick(cellIndex(c.cell)), 0) << "the program has left its event loop";
        EXPECT_TRUE(closeAsked);
        EXPECT_TRUE(form->isHidden());
        EXPECT_EQ(record().size(), 2 * c.movesPlayed) << record().toStdString();
    }
}
