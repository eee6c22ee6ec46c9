// The ladder's weights are made once per pair of counts and shared, from any thread.
#include "curve/fit/ladderFitWeights.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

using vintrel::curve::ladderFitWeights;

namespace {

TEST(ladderFitWeights, AreMadeOncePerCountsAndShared) {
  const auto first = ladderFitWeights(2049, 32);
  EXPECT_EQ(ladderFitWeights(2049, 32), first);
  EXPECT_NE(ladderFitWeights(2049, 64), first);
  EXPECT_NE(ladderFitWeights(1025, 32), first);
  EXPECT_EQ(first->ControlPointCount(), 32);
  EXPECT_EQ(first->SampleCount(), 2049);
  EXPECT_TRUE(first->Solved());
}

TEST(ladderFitWeights, ThreadsAskingAtOnceGetAlikeWeights) {
  std::vector<std::shared_ptr<const num::BSplineFitWeights<double>>> got(4);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < got.size(); ++i) {
    threads.emplace_back([&got, i] { got[i] = ladderFitWeights(513, 16); });
  }
  for (std::thread& thread : threads) thread.join();
  for (const auto& weights : got) {
    ASSERT_EQ(weights->Weights().RowCount(), got[0]->Weights().RowCount());
    for (std::size_t r = 0; r < weights->Weights().RowCount(); ++r) {
      for (std::size_t k = 0; k < 513; ++k) {
        ASSERT_EQ(weights->Weights()(r, k), got[0]->Weights()(r, k));
      }
    }
  }
}

}  // namespace
