// Writes the window's pictures into the folder given as the one argument:
// image2.jpg, image15.jpg (baseline JFIF, 96 dpi) and the icons icon16.png to icon128.png: 48
// pixels is the least the desktop's icon theme asks for, 64 and 128 are what software centres show.
#include "jfif_writer.h"
#include "picture_drawing.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    QStringList errors;
    errors << writeJfif(drawPromptPicture(), folder.filePath(QStringLiteral("image2.jpg")), 92);
    errors << writeJfif(drawRestartPicture(), folder.filePath(QStringLiteral("image15.jpg")), 92);
    for (int size : {16, 24, 32, 48, 64, 128}) {
        const QString path = folder.filePath(QStringLiteral("icon%1.png").arg(size));
        if (!drawIcon(size).save(path, "PNG")) errors << path + QStringLiteral(": cannot be written");
    }
    errors.removeAll(QString());
    for (const QString& error : errors) std::fprintf(stderr, "make_pictures: %s\n", qPrintable(error));
    return errors.isEmpty() ? 0 : 1;
}
