#pragma once
// The function of a differentiation exercise as an expression text of the
// program's expression engine, built from the exercise's numbers alone (not
// from what the worksheet writes), so that the worksheet's first line and its
// derivative can be checked against it.
#include <QString>

namespace cifrala {
class TopicWorker;
}

namespace cifrala::testing {

// The function of the worker's current exercise in the variable x; empty
// for a worker that is not one of the differentiation topics.
QString exercise_function(const TopicWorker& worker);

}  // namespace cifrala::testing
