#include "practice_bar.h"

#include "review_model.h"
#include "window_font.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

PracticeBar::PracticeBar(ReviewModel& reviewModel, QWidget* parent)
    : QWidget(parent),
      model(reviewModel),
      mistakes(new MistakeDrill(model, this)),
      game(new PlayOn(model, this)),
      said(new QLabel(this)),
      side(new QComboBox(this))
{
    said->setObjectName(QStringLiteral("practice"));
    said->setAccessibleName(QStringLiteral("練習"));
    said->setWordWrap(true);
    said->setFont(windowFont(17, true));
    said->setTextInteractionFlags(Qt::TextSelectableByMouse);
    side->addItems({QStringLiteral("損の多い側"), QStringLiteral("黒"), QStringLiteral("白")});
    side->setAccessibleName(QStringLiteral("練習する側"));

    learn = button(QStringLiteral("まちがいから学ぶ (M)"), Qt::Key_M, [this] {
        game->leave();
        const int chosen = side->currentIndex();
        mistakes->start(chosen == 0 ? std::nullopt : std::optional<Colour>(chosen == 1 ? BLACK : WHITE));
    });
    playHere = button(QStringLiteral("ここから対局 (P)"), Qt::Key_P, [this] {
        mistakes->stop();
        game->start();
    });
    resumeButton = button(QStringLiteral("再開 (R)"), Qt::Key_R, [this] {
        mistakes->stop();
        game->resume();
    });
    hintButton = button(QStringLiteral("ヒント (H)"), Qt::Key_H, [this] { mistakes->hint(); });
    answerButton = button(QStringLiteral("答えを見る (A)"), Qt::Key_A, [this] { mistakes->showAnswer(); });
    skipButton = button(QStringLiteral("とばす (S)"), Qt::Key_S, [this] { mistakes->skip(); });
    nextButton = button(QStringLiteral("つぎへ (Return)"), Qt::Key_unknown, [this] { mistakes->goOn(); });
    againButton = button(QStringLiteral("もう一度 (G)"), Qt::Key_G, [this] { mistakes->again(); });
    otherButton = button(QStringLiteral("相手の側で (O)"), Qt::Key_O, [this] { mistakes->otherSide(); });
    // Return goes on only while there is somewhere to go: else it is the board's, which plays.
    nextKey = new QShortcut(this);
    nextKey->setKeys({Qt::Key_Return, Qt::Key_Enter});
    connect(nextKey, &QShortcut::activated, mistakes, &MistakeDrill::goOn);

    auto* row = new QHBoxLayout;
    row->setContentsMargins({});
    row->addWidget(learn);
    row->addWidget(side);
    for (QPushButton* each : buttons.mid(1)) row->addWidget(each);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(said);
    layout->addLayout(row);

    connect(mistakes, &MistakeDrill::told, this, &PracticeBar::told);
    connect(game, &PlayOn::told, this, &PracticeBar::told);
    // The bar shows what was said last.
    connect(this, &PracticeBar::told, this, [this](const QString& text) {
        said->setText(text);
        showState();
    });
    connect(&model, &ReviewModel::changed, this, &PracticeBar::showState);
    showState();
}

QPushButton* PracticeBar::button(const QString& text, Qt::Key key, const std::function<void()>& action)
{
    auto* made = new QPushButton(text, this);
    connect(made, &QPushButton::clicked, this, action);
    // A plain letter, as the keys of the review are; the record field keeps its letters.
    if (key != Qt::Key_unknown)
        new QShortcut(key, this, this, [made] {
            if (made->isVisible()) made->click();
        });
    buttons << made;
    return made;
}

QList<QWidget*> PracticeBar::controls() const
{
    QList<QWidget*> all{learn, side};
    for (QPushButton* each : buttons.mid(1)) all << each;
    return all;
}

void PracticeBar::showState()
{
    said->setVisible(!said->text().isEmpty());
    resumeButton->setVisible(game->resumable());
    for (QPushButton* each : {hintButton, answerButton, skipButton}) each->setVisible(mistakes->asking());
    nextButton->setVisible(mistakes->answered());
    nextKey->setEnabled(mistakes->waitsToGoOn());
    againButton->setVisible(mistakes->finished());
    otherButton->setVisible(mistakes->finished());
}

bool PracticeBar::choose(std::int32_t cell)
{
    if (mistakes->asking()) mistakes->answer(cell);
    else if (game->active()) game->play(cell);
    else if (!mistakes->answered()) return false;
    return true;
}

bool PracticeBar::leaveForStep()
{
    if (mistakes->asking()) {
        emit told(mistakes->text() + QStringLiteral("（問題のとちゅうは手をすすめられません。Esc でおわります）"));
        return false;
    }
    mistakes->stop();
    game->leave();
    return true;
}

bool PracticeBar::leave()
{
    if (!practising()) return false;
    if (mistakes->active()) {
        mistakes->stop();
        emit told(QStringLiteral("まちがいから学ぶをおわりました。"));
    }
    game->leave();
    return true;
}
