#pragma once
// The command-line render mode for preparing worksheets:
//   cifrala --render TOPIC [--seed N] [--steps K|all] [--language nl|en]
//           [topic options] --out FILE.png
// Works K steps of the exercise that seed N gives, offscreen, and writes the
// drawing surface as a PNG picture. Needs a QApplication (the offscreen
// platform will do) and the program folder set.
#include <QStringList>

namespace cifrala {

// `args` are the arguments after "--render". Returns the exit code: 0 done,
// 1 the picture could not be made or written, 2 the arguments are wrong.
int run_render_cli(const QStringList& args);

}  // namespace cifrala
