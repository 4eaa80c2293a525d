// Search options by name: how the engine protocol and the match runner's
// seats set a search's budget and parameters from text.
//
//   p=N        simulations per move        t=SECONDS  time per move
//   threads=N  threads of one search       mem=MB     bound of the tree
//   largest=0|1, tries, block                        the playout policy
//   c, rave, bias, fpu, wb, wr, wp, sb, ss, expand   the tree's parameters
//   psize, pown, popp, pcentre, pturns, ptemp        the prior's weights
// (search_settings.h says what each parameter does.)
#pragma once

#include <string>
#include <string_view>

#include "search/search_settings.h"

namespace trevosk {

// Sets one option; false with a message for an unknown name or a value out
// of its range, and then nothing is changed.
bool set_search_option(SearchSettings& s, std::string_view name, std::string_view value,
                       std::string& error);

// The names, in the order above, separated by spaces.
std::string search_option_names();

}  // namespace trevosk
