// The program: one window, shown until it is closed.
#include "embedded_pictures.h"
#include "tform1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(programIcon());
    TForm1 Form1;
    Form1.show();
    QApplication::exec();
}
