#pragma once

#include <string>

namespace veskaro::bench {

// One row of the printed table: a figure, its floor (if any), the ratio to
// it, the goal and whether the figure meets it.
void PrintRow(const std::string& figure, const std::string& value,
              const std::string& floor, const std::string& ratio, const std::string& goal,
              bool met);
void PrintHeader();

std::string Fixed(double value, int decimals, const char* unit);

}  // namespace veskaro::bench
