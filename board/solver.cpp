#include "board/solver.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <utility>

namespace lucen {
namespace {

// Residues modulo the colour count k (2, 3 or 4).
using Residue = std::uint8_t;
using Residues = std::vector<Residue>;

Residue Mod(int value, int k) {
  const int r = value % k;
  return static_cast<Residue>(r < 0 ? r + k : r);
}

// The residues prime to k. For k = 2, 3 and 4 each of them is its own inverse.
bool IsUnit(int a, int k) {
  return a % 2 == 1 || (k == 3 && a == 2);
}

// Chases the rows. With row 0's presses given in `column`, a cell (r, c) above the last row can
// only be changed further by the press below it, so that press is set to make the cell advance
// by need[r*n + c] in all. Fills in the presses of rows 1..n-1, then writes after the n*n presses
// how far each cell of the last row advances.
void Chase(int n, int k, const Residues& need, Residues& column) {
  auto at = [&](int r, int c) -> int { return column[r * n + c]; };
  for (int r = 0; r + 1 < n; ++r) {
    for (int c = 0; c < n; ++c) {
      int sum = at(r, c);
      if (r > 0) sum += at(r - 1, c);
      if (c > 0) sum += at(r, c - 1);
      if (c + 1 < n) sum += at(r, c + 1);
      column[(r + 1) * n + c] = Mod(need[r * n + c] - sum, k);
    }
  }
  const int last = n - 1;
  for (int c = 0; c < n; ++c) {
    int sum = at(last, c);
    if (last > 0) sum += at(last - 1, c);
    if (c > 0) sum += at(last, c - 1);
    if (c + 1 < n) sum += at(last, c + 1);
    column[n * n + c] = Mod(sum, k);
  }
}

// A press vector as two bit planes of `words` words each, cell i at bit i % 64 of word i / 64:
// `low` holds the low bit of each count, then `high` the high bit. Three colours thus keep one
// plane for counts of 1 and one for counts of 2, and for every colour count the cost is
// popcount(low) + 2 popcount(high).
using Word = std::uint64_t;
using Planes = std::vector<Word>;

// The first `cells` counts of `presses` as planes.
Planes ToPlanes(const Residues& presses, std::size_t cells, std::size_t words) {
  Planes planes(2 * words, 0);
  for (std::size_t i = 0; i < cells; ++i) {
    planes[i / 64] |= (static_cast<Word>(presses[i]) & 1U) << (i % 64);
    planes[words + i / 64] |= (static_cast<Word>(presses[i]) >> 1U) << (i % 64);
  }
  return planes;
}

int Cost(const Planes& planes, std::size_t words) {
  int cost = 0;
  for (std::size_t w = 0; w < words; ++w) {
    cost += std::popcount(planes[w]) + 2 * std::popcount(planes[words + w]);
  }
  return cost;
}

// Adds `step` to `to`, cell by cell modulo K, and returns the new cost.
template <int K>
int Add(Planes& to, const Planes& step, std::size_t words) {
  for (std::size_t w = 0; w < words; ++w) {
    Word& low = to[w];
    Word& high = to[words + w];
    const Word stepLow = step[w];
    const Word stepHigh = step[words + w];
    if constexpr (K == 2) {
      low ^= stepLow;
    } else if constexpr (K == 4) {
      high ^= stepHigh ^ (low & stepLow);
      low ^= stepLow;
    } else {
      const Word zero = ~(low | high);
      const Word stepZero = ~(stepLow | stepHigh);
      const Word ones = (zero & stepLow) | (low & stepZero) | (high & stepHigh);
      high = (zero & stepHigh) | (high & stepZero) | (low & stepLow);
      low = ones;
    }
  }
  return Cost(to, words);
}

// One direction in which the solutions differ: adding `presses` `order` times changes nothing.
struct Generator {
  Planes presses;
  int order;
};

// The cheapest of `first` plus every combination of the generators, visiting each once and
// adding one generator per step: counting in mixed radix (digit j runs to the order of generator
// j), each step adds the generator of the lowest digit that does not wrap. Generator j's multiple
// then works out as digit j minus digit j+1, so no two counts give the same combination.
template <int K>
Planes Cheapest(Planes presses, const std::vector<Generator>& generators, std::size_t words) {
  int bestCost = Cost(presses, words);
  Planes best = presses;
  std::vector<int> digits(generators.size(), 0);
  for (;;) {
    std::size_t j = 0;
    while (j < generators.size() && ++digits[j] == generators[j].order) digits[j++] = 0;
    if (j == generators.size()) return best;
    const int cost = Add<K>(presses, generators[j].presses, words);
    if (cost < bestCost) {
      bestCost = cost;
      best = presses;
    }
  }
}

}  // namespace

std::optional<std::vector<int>> FewestPresses(int size, int colourCount,
                                              std::span<const int> steps) {
  if (size < 1) throw std::invalid_argument("FewestPresses: the board needs a side of 1 or more");
  if (colourCount < 2 || colourCount > 4) {
    throw std::invalid_argument("FewestPresses: the colour count must be 2, 3 or 4");
  }
  const std::size_t cells = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
  if (steps.size() != cells) {
    throw std::invalid_argument("FewestPresses: there must be one colour step per cell");
  }
  const int n = size;
  const int k = colourCount;
  Residues need(cells);
  for (std::size_t i = 0; i < cells; ++i) {
    if (steps[i] < 0 || steps[i] >= k) {
      throw std::invalid_argument("FewestPresses: a colour step is outside the colour cycle");
    }
    need[i] = Mod(k - 1 - steps[i], k);
  }

  // Every solution is a chase from some first row x, so what is left is a system of n equations
  // on x: the last row must advance by its need. Column j holds the chase from one press of first
  // row cell j with nothing needed; `start` is the chase of `need` from an untouched first row,
  // and `rhs` what the last row then still lacks.
  Residues start(cells + n, 0);
  Chase(n, k, need, start);
  Residues rhs(n);
  for (int c = 0; c < n; ++c) rhs[c] = Mod(need[(n - 1) * n + c] - start[cells + c], k);
  start.resize(cells);
  const Residues nothing(cells, 0);
  std::vector<Residues> columns(n, Residues(cells + n, 0));
  for (int j = 0; j < n; ++j) {
    columns[j][j] = 1;
    Chase(n, k, nothing, columns[j]);
  }

  // Diagonalises the system over Z/k: row operations act on the equations and `rhs`, column
  // operations on whole columns, so that each column keeps the presses it stands for. The pivot
  // is a unit when one is left; otherwise (only for k = 4) every entry left is 0 or 2, and a 2
  // clears them all.
  auto entry = [&](int row, int col) -> Residue& { return columns[col][cells + row]; };
  for (int t = 0; t < n; ++t) {
    int pivotRow = -1;
    int pivotCol = -1;
    for (int r = t; r < n; ++r) {
      for (int c = t; c < n; ++c) {
        const Residue e = entry(r, c);
        if (e != 0 && (pivotRow < 0 || (IsUnit(e, k) && !IsUnit(entry(pivotRow, pivotCol), k)))) {
          pivotRow = r;
          pivotCol = c;
        }
      }
    }
    if (pivotRow < 0) break;  // the rest of the system is zero
    std::swap(columns[t], columns[pivotCol]);
    for (Residues& column : columns) std::swap(column[cells + t], column[cells + pivotRow]);
    std::swap(rhs[t], rhs[pivotRow]);
    const Residue pivot = entry(t, t);
    auto factor = [&](int e) { return IsUnit(pivot, k) ? Mod(e * pivot, k) : Mod(e / 2, k); };
    for (int r = t + 1; r < n; ++r) {
      const int f = factor(entry(r, t));
      for (int c = t; c < n; ++c) entry(r, c) = Mod(entry(r, c) - f * entry(t, c), k);
      rhs[r] = Mod(rhs[r] - f * rhs[t], k);
    }
    for (int c = t + 1; c < n; ++c) {
      const int f = factor(entry(t, c));
      for (std::size_t i = 0; i < cells + n; ++i) {
        columns[c][i] = Mod(columns[c][i] - f * columns[t][i], k);
      }
    }
  }

  // Equation t now reads d*y = rhs[t] for the multiple y of column t. A unit d fixes y; d = 0
  // leaves y free; d = 2 (k = 4) fixes y up to adding 2.
  Residues presses = std::move(start);
  auto addTimes = [&](Residues& to, const Residues& column, int times) {
    for (std::size_t i = 0; i < cells; ++i) to[i] = Mod(to[i] + times * column[i], k);
  };
  const std::size_t words = (cells + 63) / 64;
  std::vector<Generator> generators;
  for (int t = 0; t < n; ++t) {
    const Residue d = entry(t, t);
    if (IsUnit(d, k)) {
      addTimes(presses, columns[t], rhs[t] * d);
    } else if (d == 0) {
      if (rhs[t] != 0) return std::nullopt;
      generators.push_back({ToPlanes(columns[t], cells, words), k});
    } else {
      if (rhs[t] % 2 != 0) return std::nullopt;
      addTimes(presses, columns[t], rhs[t] / 2);
      Residues twice(cells, 0);
      addTimes(twice, columns[t], 2);
      generators.push_back({ToPlanes(twice, cells, words), 2});
    }
  }

  Planes best = ToPlanes(presses, cells, words);
  if (k == 2) best = Cheapest<2>(std::move(best), generators, words);
  if (k == 3) best = Cheapest<3>(std::move(best), generators, words);
  if (k == 4) best = Cheapest<4>(std::move(best), generators, words);
  std::vector<int> counts(cells);
  for (std::size_t i = 0; i < cells; ++i) {
    const Word bit = Word{1} << (i % 64);
    counts[i] = ((best[i / 64] & bit) != 0 ? 1 : 0) + ((best[words + i / 64] & bit) != 0 ? 2 : 0);
  }
  return counts;
}

}  // namespace lucen
