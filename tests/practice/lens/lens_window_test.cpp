// The lens window: the worked examples the window is known by, and for many
// generated exercises of every level and kind that each stage written after
// the unknown reciprocal keeps its value and that the answer, read from the
// worksheet, satisfies 1/v + 1/b = 1/f exactly. The own exercise: the go
// button, the refusals (which change nothing) and the object at or inside
// the focal point.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "practice/lens/lens_fixture.h"
#include "text/language.h"
#include "util/random.h"

namespace cifrala {
namespace {

using namespace lens_messages;
using testing::Fraction;
using testing::LensFixture;
using testing::stage_value;

class LensWindow : public LensFixture {
protected:
    // The answer's fraction as it stands on the worksheet: the first
    // fraction after the answer's name (with the sign before it).
    std::optional<Fraction> written_answer() const {
        const std::vector<ReadLine> lines = read_lines(w.surface().display());
        const QString name = msg(kAnswerName + w.worker().exercise.kind);
        for (const ReadLine& l : lines) {
            if (!l.text().startsWith(name)) continue;
            bool negative = false;
            for (const ReadToken& t : l.tokens) {
                if (t.kind == ReadToken::Text && t.text.endsWith(QLatin1Char('-'))) negative = true;
                if (t.kind == ReadToken::Fraction) {
                    const long long p = t.top.toLongLong(), q = t.bottom.toLongLong();
                    return Fraction::of(negative ? -p : p, q);
                }
            }
        }
        return std::nullopt;
    }
    // Every stage after the first " = " of the lines that begin with the
    // unknown reciprocal or the answer's name holds the same value.
    void expect_stages_keep(double unknown) const {
        const QString letter = msg(kLetterV + w.worker().exercise.kind - 1);
        const QString reciprocal = QStringLiteral("1/") + letter + QStringLiteral(" = ");
        const QString name = msg(kAnswerName + w.worker().exercise.kind) + QStringLiteral(" = ");
        int checked = 0;
        for (const QString& line : sheet()) {
            double expected = 0;
            QString rest;
            if (line.startsWith(reciprocal)) {
                expected = 1 / unknown;
                rest = line.mid(reciprocal.size());
            } else if (line.startsWith(name)) {
                expected = unknown;
                rest = line.mid(name.size());
            } else {
                continue;
            }
            for (const QString& stage : rest.split(QStringLiteral(" = "))) {
                const auto v = stage_value(stage);
                ASSERT_TRUE(v.has_value()) << line.toStdString();
                EXPECT_NEAR(*v, expected, 1e-12 * std::max(1.0, std::fabs(expected)))
                    << line.toStdString();
                ++checked;
            }
        }
        EXPECT_GE(checked, 5) << sheet_text().toStdString();
    }
};

TEST_F(LensWindow, ShowingStartsAnExercise) {
    EXPECT_EQ(w.worker().step, 0);
    EXPECT_TRUE(w.Button2->isVisibleTo(&w));
    EXPECT_TRUE(w.Button1->isVisibleTo(&w));
    EXPECT_TRUE(w.SpeedButton12->isVisibleTo(&w));
    EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
    EXPECT_EQ(w.surface().width(), 988);
    EXPECT_EQ(w.surface().height(), 601);
    EXPECT_EQ(hint(), msg(kWriteFormula));
    EXPECT_EQ(w.letters()[0], msg(kLetterV).left(2));
    EXPECT_EQ(w.EditLabels[1]->text(), msg(kLetterB) + QStringLiteral(" ="));
}

TEST_F(LensWindow, GeneratedExercisesWorkedToTheirEndSatisfyTheFormula) {
    for (int level = 0; level < 3; ++level) {
        w.set_level(level);
        for (int seed = 1; seed <= 60; ++seed) {
            seed_random(static_cast<quint32>(seed * 7 + level));
            w.Button1Click();
            const LensExercise e = w.worker().exercise;
            SCOPED_TRACE(sheet_text().toStdString());
            const int presses = work_to_end();
            EXPECT_TRUE(presses == 5 || presses == 6) << presses;
            EXPECT_FALSE(w.step_available());
            EXPECT_TRUE(w.Button1->isVisibleTo(&w));
            EXPECT_EQ(hint(), msg(kCannotSimplify));
            const auto answer = written_answer();
            ASSERT_TRUE(answer.has_value());
            // The given distances come from the exercise's first line: the
            // answer with them satisfies the formula exactly.
            Fraction v = Fraction::of(e.v, 1), b = Fraction::of(e.b, 1), f = Fraction::of(e.f, 1);
            (e.kind == 1 ? v : e.kind == 2 ? b : f) = *answer;
            EXPECT_EQ(v.inverse() + b.inverse(), f.inverse());
            expect_stages_keep(answer->value());
            // The given distances stand in the first line.
            const QString first = sheet().value(0);
            EXPECT_TRUE(first.contains(QString::number(e.kind == 1 ? e.b : e.v)));
            EXPECT_TRUE(first.endsWith(QString::number(e.kind == 3 ? e.b : e.f)));
        }
    }
}

TEST_F(LensWindow, SixAndThreeGiveTwoOverOne) {
    type("6", "3", "");
    EXPECT_EQ(work_to_end(), 6);
    const QStringList l = sheet();
    ASSERT_EQ(l.size(), 7) << sheet_text().toStdString();
    EXPECT_EQ(l[2], QStringLiteral("1/6 + 1/3 = 1/f"));
    EXPECT_EQ(l[3], QStringLiteral("1/f = 1/6 + 1/3"));
    EXPECT_EQ(l[4], QStringLiteral("1/f = 1/6 + 2/6"));
    EXPECT_EQ(l[5], QStringLiteral("1/f = 3/6 = 1/2"));
    EXPECT_EQ(l[6], msg(kAnswerName + 3) + QStringLiteral(" = 2/1 = 2"));
}

TEST_F(LensWindow, CoprimeNumeratorGoesStraightToTheAnswer) {
    type("", "12", "4");  // 1/v = 3/12 - 1/12 = 2/12: reduces
    work_to_end();
    EXPECT_TRUE(sheet().value(5).endsWith(QStringLiteral("= 1/6")));
    type("7", "", "3");  // 1/b = 1/3 - 1/7 = 7/21 - 3/21 = 4/21
    for (int i = 0; i < 4; ++i)
        w.Button2Click();
    EXPECT_EQ(sheet().value(5), QStringLiteral("1/b = 4/21"));
    EXPECT_EQ(hint(), msg(kTurnOver));
    w.Button2Click();
    EXPECT_EQ(w.worker().step, 6);
    EXPECT_EQ(sheet().value(6), msg(kAnswerName + 2) + QStringLiteral(" = 21/4 = 5 1/4"));
    EXPECT_FALSE(w.step_available());
}

TEST_F(LensWindow, TheGoButtonNeedsExactlyTwoFields) {
    w.SpeedButton12Click();
    EXPECT_TRUE(w.Panel1->isVisibleTo(&w));
    EXPECT_FALSE(w.SpeedButton12->isVisibleTo(&w));
    EXPECT_FALSE(w.SpeedButton2->isEnabled());
    w.Edit1->setText("5");
    EXPECT_FALSE(w.SpeedButton2->isEnabled());
    w.Edit2->setText("7");
    EXPECT_TRUE(w.SpeedButton2->isEnabled());
    w.Edit3->setText("2");
    EXPECT_FALSE(w.SpeedButton2->isEnabled());
    w.Edit2->clear();
    EXPECT_TRUE(w.SpeedButton2->isEnabled());
}

TEST_F(LensWindow, ARefusalChangesNothingAndSaysWhy) {
    type("", "24", "8");
    w.Button2Click();
    const QStringList before = sheet();
    const int step = w.worker().step;
    type("", "4", "8");
    EXPECT_TRUE(w.Panel1->isVisibleTo(&w));
    EXPECT_EQ(sheet(), before);
    EXPECT_EQ(w.worker().step, step);
    EXPECT_EQ(hint(), msg(kFNotBelowB));
    EXPECT_FALSE(w.PanelReason->text().isEmpty());
    EXPECT_FALSE(w.Edit2->styleSheet().isEmpty()) << "the field that is the cause is marked";
    EXPECT_TRUE(w.step_available()) << "the exercise on the sheet can still be worked";
    // Without hints the hint line stays empty; the panel still says why.
    w.CheckBox1->setChecked(false);
    w.hint(0);
    w.Edit1->setText("9");
    w.Edit2->clear();
    w.Edit3->setText("zero");
    w.SpeedButton2->click();
    EXPECT_TRUE(w.Panel1->isVisibleTo(&w));
    EXPECT_EQ(w.PanelReason->text(), msg(kFUnreadable));
    EXPECT_EQ(sheet(), before);
}

TEST_F(LensWindow, ObjectInTheFocalPointEndsWithoutAnImage) {
    type("6", "", "6");
    EXPECT_FALSE(w.Panel1->isVisibleTo(&w));
    work_to_end();
    EXPECT_EQ(sheet().value(5), QStringLiteral("1/b = 0/6 = 0"));
    EXPECT_FALSE(w.step_available());
    EXPECT_TRUE(w.Button1->isVisibleTo(&w));
    msg_param1 = QStringLiteral("6");
    EXPECT_EQ(hint(), msg(kNoImageLine1));
    EXPECT_TRUE(sheet_text().contains(msg(kNoImageLine1)));
    // The diagram: parallel rays, no image, b shown as infinite.
    w.SpeedButton4Click();
    EXPECT_TRUE(w.GroupBox2->isVisibleTo(&w));
    EXPECT_FALSE(w.diagram().image_exists());
    EXPECT_EQ(w.Label5->text(), msg(kLetterB) + QStringLiteral(" = ∞"));
}

TEST_F(LensWindow, ObjectInsideTheFocalPointGivesAVirtualImage) {
    type("2", "", "6");
    work_to_end();
    EXPECT_EQ(sheet().value(6), msg(kAnswerName + 2) + QStringLiteral(" = - 3/1 = -3"));
    const auto answer = written_answer();
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, Fraction::of(-3, 1));
    EXPECT_EQ(Fraction::of(1, 2) + answer->inverse(), Fraction::of(1, 6));
    msg_param1 = QStringLiteral("-3");
    EXPECT_TRUE(sheet_text().contains(msg(kVirtualLine1)));
    w.SpeedButton4Click();
    EXPECT_TRUE(w.diagram().virtual_image());
    EXPECT_NEAR(w.diagram().image_x(), -3, 1e-9);
    EXPECT_EQ(w.Label5->text(), msg(kLetterB) + QStringLiteral(" = -3"));
}

TEST_F(LensWindow, AGivenVirtualImageGivesTheObjectDistance) {
    type("", "-6", "3");  // 1/v = 1/3 + 1/6 = 1/2
    work_to_end();
    EXPECT_EQ(sheet().value(2), QStringLiteral("1/v + ( - 1/6 ) = 1/3"));
    const auto answer = written_answer();
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, Fraction::of(2, 1));
}

TEST_F(LensWindow, ANonWholeAnswerIsExactAndTheDiagramUsesItsValue) {
    type("", "7", "3");  // v = 21/4
    work_to_end();
    EXPECT_EQ(sheet().value(6), msg(kAnswerName + 1) + QStringLiteral(" = 21/4 = 5 1/4"));
    w.SpeedButton4Click();
    EXPECT_NEAR(w.diagram().object_distance(), 5.25, 1e-12);
    EXPECT_NEAR(w.diagram().image_x(), 7, 1e-9);
}

TEST_F(LensWindow, RekenstapHidesTheOwnExerciseAndNextExerciseUntilTheEnd) {
    w.Button2Click();
    EXPECT_FALSE(w.SpeedButton12->isVisibleTo(&w));
    EXPECT_FALSE(w.Button1->isVisibleTo(&w));
    work_to_end();
    EXPECT_TRUE(w.SpeedButton12->isVisibleTo(&w));
    EXPECT_TRUE(w.Button1->isVisibleTo(&w));
}

TEST_F(LensWindow, TheRenderTopicWorksEveryKind) {
    for (int kind = 1; kind <= 3; ++kind) {
        TLenzenForm r;
        r.set_forced_kind(kind);
        r.set_show_diagram(true);
        r.start_showing();
        EXPECT_EQ(r.worker().exercise.kind, kind);
        EXPECT_TRUE(r.GroupBox2->isVisibleTo(&r));
        EXPECT_GT(r.picture().height(), r.surface().height());
    }
}

}  // namespace
}  // namespace cifrala

namespace cifrala {
namespace {

TEST_F(LensWindow, AChosenLanguageBringsItsLetters) {
    language_index = 1;
    apply_language();
    w.set_up_again();
    EXPECT_EQ(w.letters()[0], msg(kLetterV).left(2));
    EXPECT_EQ(w.EditLabels[0]->text(), msg(kLetterV) + QStringLiteral(" ="));
    EXPECT_EQ(w.diagram().letters, w.letters());
    EXPECT_FALSE(w.GroupBox2->isVisibleTo(&w));
    EXPECT_DOUBLE_EQ(w.diagram().values.object_x, -5);
    EXPECT_DOUBLE_EQ(w.diagram().values.focal_x, 2);
    // The English names differ from the Dutch ones.
    const QString english = w.letters()[0];
    language_index = 0;
    apply_language();
    w.set_up_again();
    EXPECT_NE(w.letters()[0], english);
}

}  // namespace
}  // namespace cifrala
