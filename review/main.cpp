// nordamo-review: a played game under perfect play, move by move on the board.
#include "application_identity.h"
#include "desktop_platform.h"
#include "game_state.h"
#include "review_window.h"

#include <QClipboard>

#include <cstdio>

int main(int argc, char* argv[])
{
    const auto application = openApplication(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 2 || (arguments.size() == 2 && arguments[1].startsWith(u'-'))) {
        std::fputs("usage: nordamo-review [RECORD]\n", arguments[1] == QStringLiteral("--help") ? stdout : stderr);
        return arguments[1] == QStringLiteral("--help") ? 0 : 2;
    }
    QApplication::setApplicationName(QStringLiteral("nordamo-review"));
    QApplication::setApplicationDisplayName(ApplicationTitle + QStringLiteral(" 検討"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.nordamo.review"));
    QApplication::setWindowIcon(programIcon());

    startUpSetUp();
    ReviewWindow window;
    // A record on the command line, else one on the clipboard, as copied from the game's window.
    if (arguments.size() == 2) {
        window.takeRecord(arguments[1]);
    } else if (const QString copied = QApplication::clipboard()->text().trimmed(); !copied.isEmpty()) {
        if (ReviewModel::recordFault(copied).isEmpty()) window.takeRecord(copied);
    }
    window.show();
    return QApplication::exec();
}
