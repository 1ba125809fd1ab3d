#include "radio_group.h"
#include "readable_text.h"
#include "window_fixture.h"
#include "window_placement.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>

#include <vector>

TEST(ReadableText, TheDesktopsTextColourWhereItReadsOnTheYellowElseBlack)
{
    EXPECT_NEAR(contrastRatio(Black, White), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Yellow, Black), 19.56, 0.01);
    EXPECT_NEAR(contrastRatio(Black, Yellow), contrastRatio(Yellow, Black), 1e-12);

    struct Case {
        QColor desktopText;
        bool kept;
    };
    const std::vector<Case> cases = {
        {Black, true},
        {QColor(0, 0, 128), true},          // a person's own dark blue
        {QColor(0x70, 0x70, 0x70), true},   // 4.61 : 1
        {QColor(0x72, 0x72, 0x72), false},  // 4.48 : 1
        {QColor(0xee, 0xee, 0xec), false},  // a dark scheme's near-white
        {White, false},
        {QColor(255, 0, 0), false},              // 3.9 : 1
        {QColor(0, 0, 0, 204), true},            // shows as (51, 51, 0) over the yellow
        {QColor(0, 0, 0, 128), false},           // shows as (127, 127, 0)
    };
    for (const Case& c : cases)
        EXPECT_EQ(textOnYellow(c.desktopText), c.kept ? c.desktopText : Black) << c.desktopText.name(QColor::HexArgb).toStdString();
}

TEST(WindowPlacement, AsDescribedWhereTheWindowFitsElseMovedJustInside)
{
    struct Case {
        QRect available;
        QPoint position;
    };
    const QSize window(773, 477);
    const std::vector<Case> cases = {
        {{0, 0, 1280, 800}, {283, 185}},
        {{0, 0, 283 + 773, 185 + 477}, {283, 185}},  // exactly
        {{0, 0, 283 + 772, 185 + 476}, {282, 184}},  // one pixel short each way
        {{0, 0, 960, 600}, {187, 123}},              // 1920 x 1200 at 200 %
        {{0, 0, 1024, 768}, {251, 185}},
        {{64, 32, 960 - 64, 600 - 32}, {187, 123}},  // panels on the left and at the top
        {{300, 200, 1200, 800}, {300, 200}},         // the area begins right and below the described place
        {{0, 0, 640, 400}, {0, 0}},                  // too small: the left and top edges show
        {{-1280, 0, 1280, 400}, {-773, 0}},          // a screen left of the first, too low
    };
    for (const Case& c : cases)
        EXPECT_EQ(windowPosition(c.available, window, {283, 185}), c.position)
            << c.available.x() << "," << c.available.y() << " " << c.available.width() << "x" << c.available.height();
}

namespace {

// The desktop's colours as a new scheme brings them: the widgets hear of them from the event
// loop. The palette before is put back at the end of a case, whatever happened in it.
class DesktopColours {
public:
    explicit DesktopColours(const QPalette& palette) { change(palette); }
    ~DesktopColours() { change(before); }

private:
    static void change(const QPalette& palette)
    {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
    }
    QPalette before = QApplication::palette();
};

// The highest contrast against ground of any pixel in the area: that of the text's core.
double bestContrast(const QImage& image, const QRect& area, const QColor& ground)
{
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) best = std::max(best, contrastRatio(image.pixelColor(x, y), ground));
    return best;
}

}  // namespace

TEST_F(WindowTest, TextsOnTheYellowFollowTheDesktopsColoursWhereTheyRead)
{
    showWindow();
    const auto* label1 = control<QLabel>("Label1");
    const auto* edit1 = control<QLineEdit>("Edit1");
    auto* group1 = control<RadioGroup>("RadioGroup1");

    // Where each text stands, in client coordinates, and its ground. The radio items' texts begin
    // right of their round indicators; a group's caption is a line above its frame.
    std::vector<std::pair<QRect, QColor>> texts;
    for (int k = 0; k < 4; ++k) {
        texts.push_back({{78 + 95 * k, 4, 14, 20}, Yellow});  // a to d
        texts.push_back({{14, 76 + 95 * k, 14, 20}, Yellow});  // 1 to 4
    }
    texts.push_back({label1->geometry(), Yellow});
    texts.push_back({control("Label17")->geometry(), White});
    for (const char* name : {"RadioGroup1", "RadioGroup2"}) {
        const QWidget* group = control(name);
        texts.push_back({{group->pos(), QSize(group->width(), group->fontMetrics().height())}, Yellow});
        for (const QRadioButton* item : group->findChildren<QRadioButton*>()) {
            const int indicator = item->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, item) +
                                  item->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, item);
            const QRect shown(item->mapTo(form.get(), QPoint(indicator, 0)), item->size() - QSize(indicator, 0));
            texts.push_back({shown, Yellow});
        }
    }

    struct Scheme {
        const char* what;
        QColor windowText;
        bool kept;
    };
    const QPalette light = QApplication::palette();
    for (const Scheme& scheme : {Scheme{"light", light.color(QPalette::WindowText), true},
                                 Scheme{"dark", QColor(0xee, 0xee, 0xec), false},
                                 Scheme{"a person's dark blue", QColor(0, 0, 128), true}}) {
        SCOPED_TRACE(scheme.what);
        QPalette palette = light;
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::WindowText, scheme.windowText);
        palette.setColor(QPalette::Base, scheme.kept ? light.color(QPalette::Base) : QColor(0x2d, 0x2d, 0x2d));
        const DesktopColours colours(palette);

        const QImage shown = picture();
        for (const auto& [area, ground] : texts)
            EXPECT_GE(bestContrast(shown, area, ground), 4.5)
                << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
        const QColor expected = scheme.kept ? scheme.windowText : Black;
        EXPECT_EQ(label1->palette().color(QPalette::Inactive, QPalette::WindowText), expected);
        EXPECT_EQ(group1->findChild<QRadioButton*>()->palette().color(QPalette::WindowText), expected);
        EXPECT_EQ(edit1->palette().color(QPalette::Base), palette.color(QPalette::Base)) << "a text field as the desktop draws it";

        group1->setEnabled(false);
        EXPECT_EQ(group1->findChild<QRadioButton*>()->palette().color(QPalette::Disabled, QPalette::WindowText),
                  palette.color(QPalette::Disabled, QPalette::WindowText))
            << "a disabled item greyed as the desktop greys it";
        group1->setEnabled(true);
    }
}
