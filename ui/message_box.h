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

// Shows text in the box and returns when the person has closed it. Only the box takes input
// meanwhile; the windows behind it are still repainted.
void showCentredMessage(const QString& text, QWidget* parent);
