#include "numerics/Minimize1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/RecordingListener.h"

namespace {

struct Search {
  double bestT = 0;
  double bestValue = 0;
  int evaluations = 0;
};

// One search, by default with the adaptive curve fit's budgets 3 and 4, counting evaluations.
Search Minimise(const std::function<double(double)>& f, double t0, double t1, double tGuess,
                int levelBudget = 3) {
  Search search;
  auto counted = [&](double t) { return ++search.evaluations, f(t); };
  num::Minimize1<double>(counted, levelBudget, 4)
      .GetMinimum(t0, t1, tGuess, search.bestT, search.bestValue);
  return search;
}

double Parabola(double t) { return (t - 0.3) * (t - 0.3); }

TEST(Minimize1, FindsTheParabolasVertexExactly) {
  // The first vertex lands on 0.3; the next coincides with the middle point, so the remaining
  // three iterations each evaluate it again and bisect both halves: 3 + 1 + 3 · (1 + 2 · 2) = 19.
  const Search search = Minimise(Parabola, 0, 1, 0.5);
  EXPECT_EQ(search.bestT, 0.3);
  EXPECT_EQ(search.bestValue, 0.0);
  EXPECT_EQ(search.evaluations, 19);
}

TEST(Minimize1, FindsTheCosineMinimumWithFourVertices) {
  const Search search = Minimise([](double t) { return std::cos(6 * t); }, 0, 1, 0.5);
  EXPECT_NEAR(search.bestT, 0.5235981, 1e-7);  // π/6 = 0.5235988 within the search's tolerance
  EXPECT_NEAR(search.bestValue, -1.0, 1e-11);
  EXPECT_EQ(search.evaluations, 7);  // 3 to start, one per vertex
}

TEST(Minimize1, KeepsTheBestAndEarliestOfTheStartingPoints) {
  const Search noLevels = Minimise(Parabola, 0, 1, 0.5, 0);
  EXPECT_EQ(noLevels.bestT, 0.5);  // f(0) = 0.09, f(0.5) = 0.04, f(1) = 0.49
  EXPECT_EQ(noLevels.evaluations, 3);
  const Search constant = Minimise([](double) { return 2.5; }, -1, 1, 0);
  EXPECT_EQ(constant.bestT, -1.0);
  EXPECT_EQ(constant.bestValue, 2.5);
  const Search notANumber = Minimise([](double) { return std::nan(""); }, 0, 1, 0.5);
  EXPECT_EQ(notANumber.bestT, std::numeric_limits<double>::max());
  EXPECT_EQ(notANumber.bestValue, std::numeric_limits<double>::max());
}

TEST(Minimize1, ReportsAGuessOutsideTheIntervalAndSearchesOn) {
  num_testing::RecordingListener listener;
  const Search search = Minimise(Parabola, 0, 1, 2);
  ASSERT_EQ(listener.Messages(), std::vector<std::string>{"Invalid initial t value."});
  EXPECT_EQ(listener.texts[0].rfind("\nNUM ASSERTION:\nFile: ", 0), 0u);
  EXPECT_NE(
      listener.texts[0].find("numerics/Minimize1.h\nFunc: num::Minimize1<double>::GetMinimum\n"),
      std::string::npos);
  EXPECT_LE(search.bestValue, Parabola(0));
}

TEST(Minimize1, AnEmptyObjectiveThrowsBeforeWritingResults) {
  num::Minimize1<double> minimiser(std::function<double(double)>(), 3, 4);
  double bestT = 7;
  double bestValue = 7;
  EXPECT_THROW(minimiser.GetMinimum(0, 1, 0.5, bestT, bestValue), std::bad_function_call);
  EXPECT_EQ(bestT, 7.0);
  EXPECT_EQ(bestValue, 7.0);
}

// e^t - 2t on [0, 2] from 1.5: the bracket's middle lies above its left end, so the search first
// moves the bracket's end in, then finds the minimum 2 - 2 ln 2 at t = ln 2.
TEST(Minimize1, MovesTheBracketEndTowardsALowerStart) {
  const Search search = Minimise([](double t) { return std::exp(t) - 2 * t; }, 0, 2, 1.5);
  EXPECT_NEAR(search.bestValue, 2 - 2 * std::log(2.0), 1e-8);
  EXPECT_NEAR(search.bestT, std::log(2.0), 1e-3);
}

}  // namespace
