#pragma once
// Reads back what a surface shows as lines of mathematics, as the pupil
// reads them: from top to bottom, each line as its texts, fractions,
// superscripts and roots from left to right. The runs and lines a composite
// item was drawn with belong to it; the hint line is read on its own.
#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

#include "formula/display_list.h"

namespace cifrala {

struct ReadToken {
    enum Kind { Text, Fraction, Superscript, Root };
    Kind kind = Text;
    QString text;         // a text run, a superscript, a radicand
    QString top, bottom;  // a fraction
    int x = 0;
    QColor colour;
    QString index;  // a root other than the square root
};

struct ReadLine {
    int y = 0;
    std::vector<ReadToken> tokens;
    // "5/6 + 1 1/2 =": texts trimmed, fractions as top/bottom (a piece that
    // is more than a number in brackets: "(5 + 9)/6"), one blank between
    // tokens; a superscript follows its base as "^3", a root reads "V(12)", a cube
    // root "V3(12)".
    QString text() const;
};

struct ReadOptions {
    // Only black texts (red corrections and coloured notes are left out).
    bool black_only = false;
    // Tokens whose line tops lie this close belong to one line.
    int tolerance = 4;
};

std::vector<ReadLine> read_lines(const DisplayList& display, const ReadOptions& options = {});
// Every line's text, top to bottom.
QStringList read_line_texts(const DisplayList& display, const ReadOptions& options = {});
// The hint rows, highest first, joined by blanks.
QString read_hint(const DisplayList& display);

}  // namespace cifrala
