// What a program asks of the desktop it runs on: the platform to open, and a plain word when no
// display can be opened.
#pragma once

#include <QApplication>

#include <memory>
#include <span>
#include <string_view>

// The platform list to ask Qt for, given QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY (each
// null when unset) and the program's arguments. When the person has chosen no platform
// (QT_QPA_PLATFORM empty, no -platform argument) and an X display is named, as XWayland names one
// on the usual Wayland desktops: X11, then Wayland should that display not answer and a Wayland
// display be named too. Otherwise "", which leaves the choice to Qt.
std::string_view platformToUse(const char* qtQpaPlatform, const char* display, const char* waylandDisplay,
                               std::span<char* const> arguments);

// The application on the platform of platformToUse. When no platform can be opened, one line on
// the standard error says, under the program's name, that what it opens ("the game") needs a
// graphical display and how to name one, and the process ends with exit code 1; Qt's own messages
// of that attempt are left out.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv, std::string_view program, std::string_view what);
