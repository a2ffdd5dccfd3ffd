#pragma once
// The command-line evaluator:
//   cifrala --eval EXPR [--radians]
// Evaluates EXPR as every typed answer is evaluated (degrees unless
// --radians) without opening a window. Success: exit code 0 and the value on
// one line of standard output, with the decimal separator of the process
// locale. Failure: exit code 1, "error CODE" (the engine's negative code) or
// "error -1234 message N" (a list function failed, N its message number) on
// standard output, and the message text on standard error. Needs only a
// QCoreApplication.
#include <QStringList>

namespace cifrala {

// `args` are the arguments after "--eval".
int run_eval_cli(const QStringList& args);

}  // namespace cifrala
