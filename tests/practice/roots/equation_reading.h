#pragma once
// Reads the worksheet of an equation topic of the roots window back as
// equations of the expression engine: each line is cut into its clauses at
// the word between two solutions, each clause into its sides at the "="
// signs; mixed numbers become sums, roots powers (an odd root of a negative
// number the negated root of its absolute value).
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "formula/display_list.h"

namespace cifrala::testing {

struct EquationClause {
    QStringList sides;  // engine texts with the variable x
    QString shown;
};

struct EquationLine {
    std::vector<EquationClause> clauses;
    QString shown;
    bool has_x = false;
};

std::vector<EquationLine> equation_lines(const DisplayList& display);
// The clause's sides at x: nothing when the engine fails on one of them.
std::optional<std::vector<double>> sides_at(const EquationClause& c, double x);
// Every side of the clause has the same value at x.
bool clause_holds(const EquationClause& c, double x);
// The clause reads "x = value = ...": its value.
std::optional<double> solution_of(const EquationClause& c);

}  // namespace cifrala::testing
