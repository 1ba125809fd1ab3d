// A shape control: a rectangle or an ellipse filling the control, outlined inside its edge.
#pragma once

#include <QColor>
#include <QWidget>

class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Ellipse };

    Shape(Kind kind, const QColor& fill, const QColor& outline, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind;
    QColor fill;
    QColor outline;
};
