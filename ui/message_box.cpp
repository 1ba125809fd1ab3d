#include "message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace {

// Drops every mouse, key, wheel and touch event of the window it watches.
class InputBlocker : public QObject {
public:
    explicit InputBlocker(QWindow* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override { return event->isInputEvent(); }
};

}  // namespace

CentredMessageBox::CentredMessageBox(const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent)
{
    // Some styles put a picture on the button too; the box shows none anywhere.
    button(QMessageBox::Ok)->setIcon(QIcon());
}

void CentredMessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);
    // Moved before the box is mapped, so it does not jump.
    move(screen()->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

bool showCentredMessage(const QString& text, QWidget* parent)
{
    // Not exec(): Qt drops a window manager's close of a window that a modal box blocks, and the
    // person could then not end the program while a box is open, nor after closing the window
    // during the move before it. So the box is shown without modality, the window behind it
    // takes no input, and the box runs its loop until it is answered or that window is closed.
    QWindow* window = parent->window()->windowHandle();
    CentredMessageBox box(text, parent->window());
    box.setWindowModality(Qt::NonModal);
    const InputBlocker blocker(window);
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(window, &QWindow::visibleChanged, &loop, [&loop](bool visible) {
        if (!visible) loop.quit();
    });
    box.show();
    box.activateWindow();
    loop.exec();
    if (!window->isVisible()) return false;
    // The game goes on in the window, and the keys with it, also where no window manager hands
    // the focus back.
    if (!parent->window()->isActiveWindow()) parent->window()->activateWindow();
    return true;
}

bool messageBoxIsOpen(const QWidget* window)
{
    const auto boxes = window->findChildren<CentredMessageBox*>(Qt::FindDirectChildrenOnly);
    return std::any_of(boxes.begin(), boxes.end(), [](const CentredMessageBox* box) { return box->isVisible(); });
}
