// nordamo-review: a played game under perfect play, move by move on the board.
#include "application_identity.h"
#include "desktop_platform.h"
#include "game_state.h"
#include "review_window.h"

#include <QClipboard>

#include <cstdio>
#include <span>
#include <string_view>

namespace {

constexpr std::string_view Usage =
    "usage: nordamo-review [RECORD]\n"
    "Shows a played game of nordamo move by move under perfect play. RECORD is the game as the game\n"
    "writes it under the board: two characters a move, the column a-d and the row 1-4, black's first\n"
    "move first, passes not written (a2a1c4...). Without it, a record on the clipboard is taken.\n"
    "  --help     this text\n"
    "  --version  the program's version\n";

}  // namespace

int main(int argc, char* argv[])
{
    // Answered before the display is opened, so that they work without one.
    for (const std::string_view argument : std::span(argv + 1, argv + argc)) {
        if (argument == "--help") {
            std::fputs(Usage.data(), stdout);
            return 0;
        }
        if (argument == "--version") {
            std::puts("nordamo-review " NORDAMO_VERSION);
            return 0;
        }
    }
    const auto application = openApplication(argc, argv, "nordamo-review", "the review window");
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 2 || (arguments.size() == 2 && arguments[1].startsWith(u'-'))) {
        std::fputs(Usage.data(), stderr);
        return 2;
    }
    QApplication::setApplicationName(QStringLiteral("nordamo-review"));
    QApplication::setApplicationDisplayName(ApplicationTitle + QStringLiteral(" 検討"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.nordamo.review"));
    QApplication::setWindowIcon(programIcon());

    startUpSetUp();
    // The model first, so that it outlives the window's parts, which refer to it.
    ReviewModel model;
    ReviewWindow window(model);
    // A record on the command line, else one on the clipboard, as copied from the game's window.
    if (arguments.size() == 2) {
        window.takeRecord(arguments[1]);
    } else if (const QString copied = QApplication::clipboard()->text().trimmed(); !copied.isEmpty()) {
        if (ReviewModel::recordFault(copied).isEmpty()) window.takeRecord(copied);
    }
    window.show();
    return QApplication::exec();
}
