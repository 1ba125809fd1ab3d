#include "desktop_platform.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Said when no platform can be opened: "nordamo: the game needs a graphical display …".
std::string noDisplay;

// Qt's messages while the application is made, held back until it is known whether a platform
// could be opened.
struct HeldMessage {
    QtMsgType type;
    const char* category;  // a logging category's name, which lives as long as the program
    QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler qtHandler = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // The one fatal message of making the application: no platform could be opened.
    if (type == QtFatalMsg) {
        std::fputs(noDisplay.c_str(), stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({type, context.category, text});
}

bool isSet(const char* variable) { return variable != nullptr && *variable != '\0'; }

}  // namespace

std::string_view platformToUse(const char* qtQpaPlatform, const char* display, const char* waylandDisplay,
                               std::span<char* const> arguments)
{
    // Qt takes "-platform name" or "--platform name" anywhere after the program's name.
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "-platform" || argument == "--platform") return "";
    }
    if (isSet(qtQpaPlatform) || !isSet(display)) return "";
    return isSet(waylandDisplay) ? "xcb;wayland" : "xcb";
}

std::unique_ptr<QApplication> openApplication(int& argc, char** argv, std::string_view program, std::string_view what)
{
    noDisplay = std::string(program) + ": " + std::string(what) +
                " needs a graphical display and none could be opened; name one with DISPLAY (X11) or WAYLAND_DISPLAY "
                "(Wayland), or choose a Qt platform with QT_QPA_PLATFORM\n";
    const std::string_view platform = platformToUse(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                                    std::getenv("WAYLAND_DISPLAY"), {argv, static_cast<std::size_t>(argc)});
    if (!platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray(platform.data(), static_cast<qsizetype>(platform.size())));

    qtHandler = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& message : heldMessages) qtHandler(message.type, {nullptr, 0, nullptr, message.category}, message.text);
    heldMessages.clear();
    return application;
}
