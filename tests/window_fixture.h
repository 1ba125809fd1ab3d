// Test helpers for the window: a fresh window over a fresh state for every case, its controls
// by name, and its picture.
#pragma once

#include "game_state.h"
#include "tform1.h"

#include <QColor>
#include <QImage>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const QColor& colour, std::ostream* os)
{
    *os << "rgb(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        State = GameState{};
        form = std::make_unique<TForm1>();
    }

    // The child of the window with that name; a failure when there is none of that kind.
    template <class Control = QWidget>
    Control* control(const char* name) const
    {
        auto* found = form->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) ADD_FAILURE() << "no control " << name;
        return found;
    }

    // Shows the window and waits until it is on the (offscreen) screen, so that repaints paint.
    void showWindow()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    // The whole client area as painted now: the board and every shown control over it.
    QImage picture() const { return form->grab().toImage(); }

    std::unique_ptr<TForm1> form;
};
