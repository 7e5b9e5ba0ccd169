#pragma once

#include <vector>

namespace veskaro::bench {

double Median(std::vector<double> values);

// Of the gaps between successive moments.
struct Gaps {
  double mean, sd, shortest, longest;
  double low, high;  // the 1st and the 99th percentile: what stalls of others leave out
};
Gaps GapsOf(const std::vector<double>& moments);

}  // namespace veskaro::bench
