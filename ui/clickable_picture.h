// A picture that can be clicked: a left press and release inside it make one click. It is also
// reached by Tab, not by a click, and then shows a frame in the platform's highlight colour and
// is clicked by Return, Enter or Space.
#pragma once

#include <QLabel>

class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    explicit ClickablePicture(QWidget* parent);

    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Once per press, however long the key is held.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
