// The program: one window, shown until it is closed.
#include "application_identity.h"
#include "desktop_platform.h"
#include "tform1.h"

int main(int argc, char* argv[])
{
    const auto application = openApplication(argc, argv, "nordamo", "the game");
    nameApplication();
    TForm1 Form1;
    Form1.show();
    return QApplication::exec();
}
