#include "practice/roots/game_mode.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "practice/roots/game_panel.h"
#include "practice/roots/roots_form.h"
#include "practice/roots/roots_texts.h"

namespace cifrala {

GameMode::GameMode(TwortelsherleidenForm& window, GamePanel& panel) : w_(window), p_(panel) {
    for (int place = 0; place < 2; ++place) {
        for (int op = 0; op < 4; ++op)
            QObject::connect(p_.operator_button(place, op), &QToolButton::clicked, &p_,
                             [this, place, op] { choose(place, op); });
        QObject::connect(p_.chosen_operator(place), &QToolButton::clicked, &p_,
                         [this, place] { withdraw(place); });
    }
    QObject::connect(p_.SpeedButton24, &QToolButton::clicked, &p_,
                     [this] { SpeedButton24Click(); });
    QObject::connect(p_.Timer1, &QTimer::timeout, &p_, [this] { Timer1Timer(); });
    QObject::connect(p_.button3, &QPushButton::clicked, &p_, [this] { w_.Button3Click(); });
}

Caption GameMode::title() const {
    return {TextKind::Message, game_messages::kTitle};
}

int GameMode::help_page() const {
    return roots_tags::kHelpPage;
}

void GameMode::set_up() {
    w_.set_frame(RootsFrame{kRootsFullWorksheet, false});
    p_.Timer1->stop();
    open = false;
    timed_out = false;
    tally.reset();
    toon_score();
    p_.Label15->clear();
    for (int place = 0; place < 2; ++place) {
        chosen[place] = kNoOperator;
        p_.chosen_operator(place)->hide();
    }
    p_.SpeedButton24->show();
    p_.setGeometry(w_.rect());
    p_.show();
    p_.raise();
    p_.Panel8->show();
    p_.Panel8->raise();
    p_.Gauge1->setVisible(p_.clock() != 0);
}

void GameMode::new_exercise() {
    if (p_.SpeedButton24->isVisibleTo(&w_)) SpeedButton24Click();
}

void GameMode::SpeedButton24Click() {
    start(draw_game_sum(p_.level()));
}

void GameMode::start(const GameSum& s) {
    p_.SpeedButton24->hide();
    timed_out = false;
    p_.Panel8->hide();
    for (int place = 0; place < 2; ++place) {
        chosen[place] = kNoOperator;
        p_.chosen_operator(place)->hide();
    }
    p_.Label15->clear();
    start_clock();
    sum = s;
    p_.Label6->setText(int_text(sum.a));
    p_.Label7->setText(int_text(sum.b));
    p_.Label8->setText(int_text(sum.c));
    p_.Label9->setText(int_text(sum.d));
    open = true;
}

void GameMode::start_clock() {
    maximum = clock_ticks(p_.level(), p_.clock());
    progress = 0;
    if (maximum <= 0) {
        p_.Gauge1->hide();
        p_.Timer1->stop();
        return;
    }
    p_.Gauge1->setRange(0, maximum);
    p_.Gauge1->setValue(0);
    p_.set_bar_colour(clock_colour(0, maximum));
    p_.Gauge1->show();
    p_.Timer1->start();
}

void GameMode::choose(int place, int op) {
    // Once judged, the exercise takes no further answers.
    if (!open) return;
    chosen[place] = op;
    QToolButton* shown = p_.chosen_operator(place);
    shown->setText(game_operator_text(op));
    shown->show();
    shown->raise();
    somcheck();
}

void GameMode::withdraw(int place) {
    if (!open) return;
    chosen[place] = kNoOperator;
    p_.chosen_operator(place)->hide();
}

void GameMode::somcheck() {
    if (!open) return;
    if (!timed_out && (chosen[0] == kNoOperator || chosen[1] == kNoOperator)) return;
    p_.Timer1->stop();
    open = false;
    const GameVerdict verdict = judge_game(sum, chosen[0], chosen[1], timed_out);
    tally.add(verdict.right);
    p_.show_feedback(verdict.feedback, verdict.right);
    toon_score();
    p_.SpeedButton24->show();
}

void GameMode::Timer1Timer() {
    if (!p_.Gauge1->isVisibleTo(&p_) || !open) return;
    p_.set_bar_colour(clock_colour(progress, maximum));
    if (progress >= maximum) {
        p_.Timer1->stop();
        timed_out = true;
        somcheck();
        return;
    }
    ++progress;
    p_.Gauge1->setValue(progress);
}

void GameMode::toon_score() {
    p_.Label17->setText(attempts_text(tally.attempts()));
    p_.Label16->setText(correct_text(tally.correct(), tally.attempts(), tally.percent()));
}

void GameMode::stop() {
    p_.Timer1->stop();
    open = false;
    p_.hide();
}

}  // namespace cifrala
