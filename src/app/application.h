#pragma once

namespace cifrala {

// Parses the command line, starts the program and returns its exit code.
int run_program(int argc, char** argv);

}  // namespace cifrala
