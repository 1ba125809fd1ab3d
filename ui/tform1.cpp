// The window and its controls, as laid out.
#include "tform1.h"

#include "accessibility.h"
#include "application_identity.h"
#include "board_control.h"
#include "board_drawing.h"
#include "clickable_picture.h"
#include "embedded_pictures.h"
#include "legality.h"
#include "radio_group.h"
#include "readable_text.h"
#include "shape.h"
#include "status_announcement.h"
#include "window_font.h"
#include "window_placement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <initializer_list>

namespace {

template <class Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

void setBackground(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

// The marker and the flip pictures are shown over the board while a move is played; a click
// made there belongs to the board under them.
void hideOverBoard(QWidget* control)
{
    control->setAttribute(Qt::WA_TransparentForMouseEvents);
    control->hide();
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    // Before any control exists: Qt keeps the first interface it makes for an object, and the
    // settings below already make them for screen readers.
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ApplicationTitle);
    setWindowIcon(programIcon());
    setFixedSize(WindowWidth, WindowHeight);
    placeOnScreen();
    setFont(windowFont());
    setBackground(this, WindowYellow);

    // Pictures, shapes and labels lie over the board drawing, each over the ones before it.
    Image2 = place(new QLabel(this), "Image2", 552, 204, 124, 76);
    Image2->setPixmap(QPixmap::fromImage(embeddedJpeg(PromptPictureResource)));
    // The board as a control, over the board drawing and beside every other control. Its keys
    // play as a click on the middle of the cell.
    boardControl = new BoardControl(this);
    connect(boardControl, &BoardControl::cellChosen, this, [this](std::int32_t cell) {
        // The click would be ignored without a word: a screen reader hears why nothing happens.
        if (Button1->isHidden() && !Sokouteruka(State.HumanColour, cell)) {
            statusAnnouncements->announce(QStringLiteral("そこにはうてません"));
            return;
        }
        const QPoint middle = cellCorner(rowOf(cell), columnOf(cell)) + QPoint(CellSize / 2, CellSize / 2);
        FormMouseDown(Qt::NoButton, {}, middle.x(), middle.y());
    });
    auto* image15 = place(new ClickablePicture(this), "Image15", 622, 352, 100, 63);
    image15->setPixmap(QPixmap::fromImage(embeddedJpeg(RestartPictureResource)));
    connect(image15, &ClickablePicture::clicked, this, &TForm1::Image15Click);

    Label17 = place(new QLabel(QStringLiteral("棋譜です⇒"), this), "Label17", 0, 424, 78, 15);
    Label17->setFont(windowFont(15, true));
    Label17->setAlignment(Qt::AlignCenter);
    setBackground(Label17, Qt::white);

    // Below the client area, where it is never seen.
    Shape2 = place(new Shape(Shape::Kind::Rectangle, WindowYellow, WindowYellow, this), "Shape2", 24, 536, 561, 169);

    Label1 = place(new QLabel(QStringLiteral("人 対 コンピュータ"), this), "Label1", 480, 64, 133, 16);
    Label1->setFont(windowFont(16, true));
    setBackground(Label1, WindowYellow);

    Image5 = place(new QLabel(this), "Image5", 129, 121, 95, 95);
    hideOverBoard(Image5);
    Image6 = place(new QLabel(this), "Image6", 344, 64, 95, 95);
    hideOverBoard(Image6);
    Shape1 = place(new Shape(Shape::Kind::Ellipse, Qt::red, Qt::black, this), "Shape1", 552, 288, 67, 65);
    hideOverBoard(Shape1);

    // Controls that are windows of their own lie over everything else.
    Edit1 = place(new QLineEdit(this), "Edit1", 448, 368, 169, 24);
    Edit1->setFont(windowFont(16, true));

    Memo1 = place(new QPlainTextEdit(QStringLiteral("Memo1"), this), "Memo1", 80, 424, 561, 49);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setTabChangesFocus(true);

    RadioGroup1 = place(new RadioGroup(QStringLiteral("先手？後手？"), {QStringLiteral("先手（黒）"), QStringLiteral("後手（白）")}, this),
                        "RadioGroup1", 488, 96, 105, 105);
    RadioGroup1->setFont(windowFont(13, true));
    RadioGroup2 = place(new RadioGroup(QStringLiteral("コンピュータのつよさ"), {QStringLiteral("よわい"), QStringLiteral("つよい")}, this),
                        "RadioGroup2", 592, 96, 137, 105);
    RadioGroup2->setFont(windowFont(13, true));

    // Over the empty top-right corner of Image2.
    Button1 = place(new QPushButton(QStringLiteral("OK"), this), "Button1", 640, 208, 75, 25);
    // Return and Enter press it while it has the focus, as Space does; outside a dialog a push
    // button takes them only when it is auto-default.
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    // A screen reader that comes to the button hears what game it starts.
    for (RadioGroup* choice : {RadioGroup1, RadioGroup2})
        connect(choice, &RadioGroup::itemChosen, this, [this] { Button1->setAccessibleDescription(choicesText()); });

    // The order of creation makes the tab order RadioGroup1, RadioGroup2, Button1, the board,
    // Image15, Edit1, Memo1 and round again; the button has the focus when the window opens.
    Button1->setFocus();

    // What a screen reader calls the controls that show no text of their own, and where it hears
    // each new status text.
    statusAnnouncements = new StatusAnnouncements(this);
    Edit1->setAccessibleName(QStringLiteral("おしらせ"));
    Memo1->setAccessibleName(QStringLiteral("棋譜"));
    Image2->setAccessibleName(QStringLiteral("これでよければ[OK]をおしてね"));
    image15->setAccessibleName(QStringLiteral("さいしょから やりなおす"));
    Image5->setAccessibleName(QStringLiteral("うらがえる黒の石"));
    Image6->setAccessibleName(QStringLiteral("うらがえる白の石"));
    Shape1->setAccessibleName(QStringLiteral("うったばしょ"));

    followDesktopColours();
    FormCreate();
}

QString TForm1::choicesText() const
{
    const QString colour = RadioGroup1->itemIndex() == 1 ? QStringLiteral("白で後手") : QStringLiteral("黒で先手");
    const QString strength = RadioGroup2->itemIndex() == 1 ? QStringLiteral("つよい") : QStringLiteral("よわい");
    return colour + QStringLiteral("、コンピュータは") + strength;
}

void TForm1::placeOnScreen()
{
    const QPoint described(WindowLeft, WindowTop);
    const QScreen* screen = QGuiApplication::screenAt(described);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    // The window manager's frame is not known before the window is shown; those that draw one
    // keep a new window inside the screen themselves.
    move(windowPosition(screen->availableGeometry(), frameGeometry().size(), described));
}

void TForm1::followDesktopColours()
{
    for (QWidget* onYellow : std::initializer_list<QWidget*>{Label1, Label17, RadioGroup1, RadioGroup2}) {
        keepTextReadableOnYellow(onYellow);
        for (QRadioButton* item : onYellow->findChildren<QRadioButton*>()) keepTextReadableOnYellow(item);
    }
}

bool TForm1::event(QEvent* event)
{
    // A new colour scheme reaches the controls as a new palette; the board's letters follow it at
    // the next paint by themselves.
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange)
        followDesktopColours();
    return QWidget::event(event);
}
