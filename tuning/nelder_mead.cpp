#include "tuning/nelder_mead.h"

#include <algorithm>

namespace zorkan::tuning {

namespace {

struct Vertex {
  std::vector<double> x;
  double value;
};

}  // namespace

std::vector<double> MinimizeNelderMead(const Objective& objective, std::vector<double> start,
                                       double step, int evaluations) {
  const std::size_t n = start.size();
  int left = evaluations;
  const auto evaluate = [&](std::vector<double> x) {
    --left;
    const double value = objective(x);
    return Vertex{std::move(x), value};
  };
  std::vector<Vertex> simplex;
  simplex.push_back(evaluate(start));
  for (std::size_t i = 0; i < n; ++i) {
    std::vector<double> x = start;
    x[i] += step;
    simplex.push_back(evaluate(std::move(x)));
  }
  const auto along = [&](const std::vector<double>& centre, const std::vector<double>& worst,
                         double t) {
    std::vector<double> x(n);
    for (std::size_t j = 0; j < n; ++j) x[j] = centre[j] + t * (worst[j] - centre[j]);
    return x;
  };
  while (left > 0) {
    std::sort(simplex.begin(), simplex.end(),
              [](const Vertex& a, const Vertex& b) { return a.value < b.value; });
    std::vector<double> centre(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j) centre[j] += simplex[i].x[j] / static_cast<double>(n);
    }
    Vertex& worst = simplex.back();
    const Vertex reflected = evaluate(along(centre, worst.x, -1));
    if (reflected.value < simplex.front().value) {
      Vertex expanded = evaluate(along(centre, worst.x, -2));
      worst = expanded.value < reflected.value ? std::move(expanded) : reflected;
    } else if (reflected.value < simplex[n - 1].value) {
      worst = reflected;
    } else {
      Vertex contracted = evaluate(along(centre, worst.x, 0.5));
      if (contracted.value < worst.value) {
        worst = std::move(contracted);
      } else {
        for (std::size_t i = 1; i <= n; ++i) {
          simplex[i] = evaluate(along(simplex.front().x, simplex[i].x, 0.5));
        }
      }
    }
  }
  return std::min_element(simplex.begin(), simplex.end(),
                          [](const Vertex& a, const Vertex& b) { return a.value < b.value; })
      ->x;
}

}  // namespace zorkan::tuning
