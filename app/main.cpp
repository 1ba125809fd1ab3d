// The program: one window, shown until it is closed.
#include "application_identity.h"
#include "tform1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    nameApplication();
    TForm1 Form1;
    Form1.show();
    QApplication::exec();
}
