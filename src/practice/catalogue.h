#pragma once
// Everything the program has to offer is registered from one list: the
// practice windows (with their modes, made by each window from its own
// table), their render topics and the explanation cards. Nothing depends on
// the linker keeping a file that only registers itself.
//
// A new window joins by adding one register_... call here, in the order in
// which the program makes its windows.

namespace cifrala {

// Registers everything once; later calls do nothing.
void register_catalogue();

}  // namespace cifrala
