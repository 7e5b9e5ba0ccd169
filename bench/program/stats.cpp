#include "stats.h"

#include <algorithm>
#include <cmath>

namespace veskaro::bench {

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Gaps GapsOf(const std::vector<double>& moments) {
  std::vector<double> gaps;
  for (std::size_t i = 1; i < moments.size(); ++i) {
    gaps.push_back(moments[i] - moments[i - 1]);
  }
  if (gaps.empty()) return {0, 0, 0, 0, 0, 0};
  double sum = 0;
  for (const double g : gaps) sum += g;
  const double mean = sum / static_cast<double>(gaps.size());
  double squares = 0;
  for (const double g : gaps) squares += (g - mean) * (g - mean);
  std::sort(gaps.begin(), gaps.end());
  const auto at = [&](double share) {
    return gaps[static_cast<std::size_t>(share * static_cast<double>(gaps.size() - 1))];
  };
  return {mean,         std::sqrt(squares / static_cast<double>(gaps.size())),
          gaps.front(), gaps.back(),
          at(0.01),     at(0.99)};
}

}  // namespace veskaro::bench
