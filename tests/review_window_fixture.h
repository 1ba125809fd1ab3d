// The review window opened for a test on a laptop's screen, with the analysis's own review of a
// recorded game to hold it to, and what it has told a screen reader.
#pragma once

#include "analysis.h"
#include "review_window.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string_view>
#include <vector>

// A game in which both sides give away, by one and by many top discs, and white passes.
constexpr std::string_view Game = "d3d4b3b2c4d2a1a2a1a3d4c4d2c2a4c1b1b1c1c3a3a2b4d1";
inline QString gameRecord() { return QString::fromLatin1(Game.data(), qsizetype(Game.size())); }

struct ReviewedMove {
    std::int32_t value, best;
};

// Every move's value and the best value there, as nordamo-analyse --review prints them.
std::vector<ReviewedMove> analysedMoves(std::string_view record);

// Every move of the position after record with its value, as nordamo-analyse prints them.
std::map<std::int32_t, std::int32_t> analysedValues(std::string_view record);

class ReviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        State = GameState{};
        startUpSetUp();
        reviewModel = std::make_unique<ReviewModel>();
        window = std::make_unique<ReviewWindow>(*reviewModel);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    ReviewModel& model() { return *reviewModel; }

    // Waits for the shown position's values; a game that is over has none.
    const std::vector<MoveValue>& shownValues()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return model().valuesOf(model().shown()) != nullptr; }, 120'000));
        return *model().valuesOf(model().shown());
    }

    void press(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(to, key, modifiers); }

    QLineEdit* recordField() { return window->findChild<QLineEdit*>(); }

    bool gameSolved()
    {
        for (std::int32_t index = 0; index <= model().moveCount(); ++index)
            if (!model().blackLead(index)) return false;
        return true;
    }

    // The texts announced to a screen reader since the last call, in their order: the window's
    // notifications take them in turn.
    QStringList newlyTold()
    {
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(window.get());
        std::vector<QAccessibleInterface*> notifications;
        for (int i = 0; i < shown->childCount(); ++i)
            if (shown->child(i)->role() == QAccessible::Notification) notifications.push_back(shown->child(i));
        announced.resize(qsizetype(notifications.size()));
        QStringList told;
        std::size_t next = oldest;
        for (std::size_t i = 0; i < notifications.size(); ++i) {
            const std::size_t n = (next + i) % notifications.size();
            const QString text = notifications[n]->text(QAccessible::Name);
            if (text == announced[qsizetype(n)]) continue;
            told << text;
            announced[qsizetype(n)] = text;
            oldest = (n + 1) % notifications.size();
        }
        return told;
    }

    std::unique_ptr<ReviewModel> reviewModel;  // outlives the window
    std::unique_ptr<ReviewWindow> window;
    QStringList announced;
    std::size_t oldest = 0;
};
