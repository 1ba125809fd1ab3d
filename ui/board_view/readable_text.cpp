#include "readable_text.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr double ReadableContrast = 4.5;

// Relative luminance of an sRGB colour.
double luminance(const QColor& colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// A colour with some transparency as it shows over the yellow.
QColor overYellow(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    const float a = rgb.alphaF();
    const auto mix = [a](float over, float under) { return a * over + (1 - a) * under; };
    return QColor::fromRgbF(mix(rgb.redF(), WindowYellow.redF()), mix(rgb.greenF(), WindowYellow.greenF()),
                            mix(rgb.blueF(), WindowYellow.blueF()));
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor textOnYellow(const QColor& desktopText)
{
    return contrastRatio(overYellow(desktopText), WindowYellow) >= ReadableContrast ? desktopText : QColor(Qt::black);
}

void keepTextReadableOnYellow(QWidget* control)
{
    const QPalette desktop = QApplication::palette(control);
    QPalette palette = control->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, textOnYellow(desktop.color(group, QPalette::WindowText)));
    control->setPalette(palette);
}
