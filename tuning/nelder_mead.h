#pragma once
// The downhill simplex: a minimum of a function of a few variables that has no derivative to
// offer, such as the fit of a model's lags or a loop's integrated error.

#include <functional>
#include <span>
#include <vector>

namespace zorkan::tuning {

using Objective = std::function<double(std::span<const double>)>;

// Starts from `start` with a simplex of edge `step` and stops after `evaluations` calls.
std::vector<double> MinimizeNelderMead(const Objective& objective, std::vector<double> start,
                                       double step, int evaluations);

}  // namespace zorkan::tuning
