#include "exec/pieces/scheduler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace qerix {
namespace {

std::string failureOf(std::size_t count, const std::vector<std::size_t>& failing) {
  try {
    Scheduler::forEachPiece(count, [&](std::size_t piece) {
      for (const std::size_t failed : failing) {
        if (failed == piece) throw std::runtime_error("piece " + std::to_string(piece));
      }
    });
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "none";
}

TEST(Scheduler, RunsEveryPieceAndReportsTheFirstFailureInPieceOrder) {
  for (const bool parallel : {true, false}) {
    Scheduler::setParallel(parallel);
    std::vector<int> done(3, 0);
    Scheduler::forEachPiece(3, [&](std::size_t piece) { done[piece] += 1; });
    EXPECT_EQ(done, std::vector<int>({1, 1, 1}));
    EXPECT_EQ(failureOf(2, {}), "none");
    EXPECT_EQ(failureOf(2, {1}), "piece 1");
    EXPECT_EQ(failureOf(2, {1, 0}), "piece 0");
    EXPECT_EQ(failureOf(3, {2, 1}), "piece 1");
  }
  Scheduler::setParallel(true);
  EXPECT_EQ(Scheduler::pieceCount(), 2U);
  Scheduler::setParallel(false);
  EXPECT_EQ(Scheduler::pieceCount(), 1U);
  Scheduler::setParallel(true);
}

TEST(OrderedWorker, DoesTasksInOrderOnAThreadOfItsOwn) {
  OrderedWorker worker(2);
  std::vector<int> done;
  std::atomic<bool> elsewhere{false};
  const std::thread::id here = std::this_thread::get_id();
  for (int task = 0; task < 50; ++task) {
    worker.give([&, task] {
      done.push_back(task);
      if (std::this_thread::get_id() != here) elsewhere = true;
    });
  }
  worker.drain(false);
  ASSERT_EQ(done.size(), 50U);
  for (int task = 0; task < 50; ++task) EXPECT_EQ(done[static_cast<std::size_t>(task)], task);
  EXPECT_TRUE(elsewhere);
}

TEST(OrderedWorker, DropsTheTasksAfterAFailureAndReportsIt) {
  OrderedWorker worker(2);
  std::vector<int> done;
  for (int task = 0; task < 10; ++task) {
    worker.give([&, task] {
      if (task == 4) throw std::runtime_error("task 4");
      done.push_back(task);
    });
  }
  EXPECT_THROW(
      {
        try {
          worker.drain(false);
        } catch (const std::runtime_error& error) {
          EXPECT_STREQ(error.what(), "task 4");
          throw;
        }
      },
      std::runtime_error);
  EXPECT_EQ(done, std::vector<int>({0, 1, 2, 3}));
  // Once reported, the worker takes tasks again.
  worker.give([&] { done.push_back(10); });
  worker.drain(false);
  EXPECT_EQ(done.back(), 10);
}

TEST(OrderedWorker, DrainingCanDropWhatWaits) {
  OrderedWorker worker(4);
  std::atomic<bool> started{false};
  std::atomic<bool> release{false};
  std::atomic<int> done{0};
  worker.give([&] {
    started = true;
    while (!release) std::this_thread::yield();
    ++done;
  });
  while (!started) std::this_thread::yield();
  for (int task = 0; task < 3; ++task) worker.give([&] { done += 10; });
  // Released once drain has begun to drop, long before this wakes up.
  std::thread releaser([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    release = true;
  });
  worker.drain(true);
  releaser.join();
  // The task at work finished; those that waited were dropped.
  EXPECT_EQ(done, 1);
  worker.give([&] { done += 100; });
  worker.drain(false);
  EXPECT_EQ(done, 101);
}

}  // namespace
}  // namespace qerix
