#include "util/selection.h"

namespace cifrala {

SelectionValues selection;
std::uint32_t background_colour = kAqua;
ProgramOptions program_options;
int calibrated_bottom = -1;

}  // namespace cifrala
