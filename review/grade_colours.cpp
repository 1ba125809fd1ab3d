#include "grade_colours.h"

QString gradeMark(Grade grade)
{
    switch (grade) {
    case Grade::Inaccuracy: return QStringLiteral("?!");
    case Grade::Mistake: return QStringLiteral("?");
    case Grade::Blunder: return QStringLiteral("??");
    case Grade::Best: break;
    }
    return {};
}

QColor gradeColour(Grade grade)
{
    switch (grade) {
    case Grade::Inaccuracy: return {255, 230, 120};
    case Grade::Mistake: return {255, 160, 60};
    case Grade::Blunder: return {255, 90, 90};
    case Grade::Best: break;
    }
    return {};
}
