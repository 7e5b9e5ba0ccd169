#include "table.h"

#include <cstdio>

namespace veskaro::bench {

void PrintHeader() {
  std::printf("| %-46s | %-14s | %-14s | %-7s | %-24s | %-3s |\n", "figure", "measured",
              "floor", "ratio", "goal", "met");
  std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(48, '-').c_str(),
              std::string(16, '-').c_str(), std::string(16, '-').c_str(),
              std::string(9, '-').c_str(), std::string(26, '-').c_str(),
              std::string(5, '-').c_str());
}

void PrintRow(const std::string& figure, const std::string& value,
              const std::string& floor, const std::string& ratio, const std::string& goal,
              bool met) {
  std::printf("| %-46s | %-14s | %-14s | %-7s | %-24s | %-3s |\n", figure.c_str(),
              value.c_str(), floor.c_str(), ratio.c_str(), goal.c_str(),
              met ? "yes" : "NO");
  std::fflush(stdout);
}

std::string Fixed(double value, int decimals, const char* unit) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f%s%s", decimals, value, *unit ? " " : "", unit);
  return text;
}

}  // namespace veskaro::bench
