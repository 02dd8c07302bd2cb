#pragma once
// Channel names at one end of the strip all stand against the same edge, so
// two names whose rows overlap would print over each other. Names that do
// not collide keep their place; a name that would overlap one placed before
// it (from the top down) moves just below it. When the stack then runs past
// the lowest allowed top it is pushed back up as far as the highest.

#include <vector>

namespace kp {

// tops: the wished top row of each name, in any order; the result holds the
// rows in the same order.
std::vector<int> StackNameTops(const std::vector<int>& tops, int height, int highest, int lowest);

} // namespace kp
