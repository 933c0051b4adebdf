#pragma once

namespace pelikor {

// The orders of the best table's index tags: JMENO by name, TAHY the fewest
// pegs left first; equal keys in file order.
enum class TableOrder { ByName, BestFirst };

} // namespace pelikor
