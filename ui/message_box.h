// The modal message box of the game: the text, one plain OK button, no icon, the application's title
// as its caption, centred on the screen.
#pragma once

#include <QMessageBox>

class CentredMessageBox : public QMessageBox {
    Q_OBJECT
public:
    CentredMessageBox(const QString& text, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
};

// Shows text in the box over the window of parent, which must be shown, and returns when the
// person has closed the box: true. Only the box takes input meanwhile; the window behind it is
// still repainted. A close of that window closes the box with it, and the result is false.
bool showCentredMessage(const QString& text, QWidget* parent);

// Whether a box of showCentredMessage is open over window, which then takes no input.
bool messageBoxIsOpen(const QWidget* window);
