#include "lead_graph.h"

#include "grade_colours.h"
#include "review_model.h"
#include "window_font.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <optional>

namespace {

constexpr int AxisWidth = 40;  // the leads written left of the plot
constexpr int Margin = 12;
constexpr int MarkRadius = 5;
constexpr std::int32_t MostLead = PlayingCellCount;

}  // namespace

LeadGraph::LeadGraph(ReviewModel& reviewModel, QWidget* parent) : QWidget(parent), model(reviewModel)
{
    setMinimumHeight(120);
    setAccessibleName(QStringLiteral("黒の石差のグラフ"));
    connect(&model, &ReviewModel::changed, this, qOverload<>(&QWidget::update));
}

QRect LeadGraph::plot() const { return rect().adjusted(AxisWidth, Margin, -Margin, -Margin); }

int LeadGraph::xOf(std::int32_t index) const
{
    const QRect area = plot();
    return area.left() + (model.moveCount() == 0 ? 0 : area.width() * index / model.moveCount());
}

int LeadGraph::yOf(std::int32_t lead) const
{
    const QRect area = plot();
    return area.top() + area.height() * (MostLead - lead) / (2 * MostLead);
}

void LeadGraph::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QPalette colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    painter.setFont(windowFont(12));

    // The leads 16, 8, 0, −8, −16: black ahead above the middle line, white below.
    for (const std::int32_t lead : {MostLead, MostLead / 2, 0, -MostLead / 2, -MostLead}) {
        painter.setPen(QPen(colours.color(QPalette::Mid), lead == 0 ? 2 : 1));
        painter.drawLine(plot().left(), yOf(lead), plot().right(), yOf(lead));
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(QRect(0, yOf(lead) - 10, AxisWidth - 4, 20), Qt::AlignRight | Qt::AlignVCenter,
                         signedValue(lead));
    }

    // The shown position.
    painter.setPen(QPen(colours.color(QPalette::Highlight), 3));
    painter.drawLine(xOf(model.gameIndex()), plot().top(), xOf(model.gameIndex()), plot().bottom());

    // The lead where it is known, joined from position to position.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours.color(QPalette::Text), 2));
    std::optional<QPoint> before;
    for (std::int32_t index = 0; index <= model.moveCount(); ++index) {
        const auto lead = model.blackLead(index);
        if (!lead) {
            before.reset();
            continue;
        }
        const QPoint point(xOf(index), yOf(*lead));
        if (before) painter.drawLine(*before, point);
        before = point;
    }

    // The moves that gave away, on the point after them.
    for (std::int32_t number = 1; number <= model.moveCount(); ++number) {
        const auto away = model.givenAway(number);
        const auto lead = model.blackLead(number);
        if (!away || !lead || gradeOf(*away) == Grade::Best) continue;
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(gradeColour(gradeOf(*away)));
        painter.drawEllipse(QPoint(xOf(number), yOf(*lead)), MarkRadius, MarkRadius);
    }
}

void LeadGraph::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || model.moveCount() == 0) return;
    const double step = double(plot().width()) / model.moveCount();
    emit positionChosen(static_cast<std::int32_t>(std::lround((event->position().x() - plot().left()) / step)));
}
