#include "exec/loading/concurrent_watcher.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "support/builders.h"

namespace qerix {
namespace {

// Writes down what it is shown, in order, and where.
class Journal : public RecordWatcher {
 public:
  bool begin(const Relation& relation) override {
    entries += "begin " + relation.getName() + "\n";
    return relation.getName() != "Declined";
  }
  // Drops the records that start with "skip" and marks the others.
  std::optional<std::string_view> prepare(std::string_view values) override {
    preparedOn = std::this_thread::get_id();
    if (values.starts_with("skip")) return std::nullopt;
    prepared.assign(values) += '!';
    return prepared;
  }
  void offer(std::string_view values) override {
    if (values == "fail") throw std::runtime_error("failed on purpose");
    offeredOn = std::this_thread::get_id();
    entries += std::string(values) + "\n";
  }
  void end(const Relation& relation) override { entries += "end " + relation.getName() + "\n"; }

  std::string entries;
  std::string prepared;
  std::thread::id preparedOn;
  std::thread::id offeredOn;
};

// Offers the records as the loader does.
void load(RecordWatcher& watcher, const Relation& relation, int count, const std::string& prefix) {
  if (!watcher.begin(relation)) return;
  for (int number = 0; number < count; ++number) {
    const std::string values = (number % 3 == 0 ? "skip " : prefix) + std::to_string(number);
    if (const auto prepared = watcher.prepare(values)) watcher.offer(*prepared);
  }
  watcher.end(relation);
}

std::string expectedEntries(const std::string& name, int count, const std::string& prefix) {
  std::string entries = "begin " + name + "\n";
  for (int number = 0; number < count; ++number) {
    if (number % 3 != 0) entries += prefix + std::to_string(number) + "!\n";
  }
  return entries + "end " + name + "\n";
}

const auto first = test::makeRelation("First(a int)", {});

// Records of many batches reach the watcher in order, relation after
// relation, as prepared, on a second thread; prepare is asked here.
TEST(ConcurrentWatcher, ShowsEverythingInOrderOnASecondThread) {
  Journal journal;
  {
    ConcurrentWatcher concurrent(journal);
    load(concurrent, *first, 100000, "first record number ");
    concurrent.finish();
    load(concurrent, *first, 50000, "first again ");
    concurrent.finish();
  }
  EXPECT_TRUE(journal.entries == expectedEntries("First", 100000, "first record number ") +
                                     expectedEntries("First", 50000, "first again "));
  EXPECT_EQ(journal.preparedOn, std::this_thread::get_id());
  EXPECT_NE(journal.offeredOn, std::this_thread::get_id());
}

// A later relation of the name hides the earlier one: what is left of the
// earlier one's work may be dropped, the later one's is whole.
TEST(ConcurrentWatcher, DropsWhatALaterRelationOfTheNameHides) {
  Journal journal;
  ConcurrentWatcher concurrent(journal);
  load(concurrent, *first, 200000, "hidden ");
  load(concurrent, *first, 5, "shown ");
  concurrent.finish();
  EXPECT_TRUE(journal.entries.starts_with("begin First\n"));
  EXPECT_TRUE(journal.entries.ends_with(expectedEntries("First", 5, "shown ")));
}

// A relation whose records fit in one batch needs no second thread.
TEST(ConcurrentWatcher, WorksOnFewRecordsInThisThread) {
  Journal journal;
  ConcurrentWatcher concurrent(journal);
  load(concurrent, *first, 7, "r");
  EXPECT_EQ(journal.entries, expectedEntries("First", 7, "r"));
  EXPECT_EQ(journal.offeredOn, std::this_thread::get_id());
  const auto declined = test::makeRelation("Declined(a int)", {});
  load(concurrent, *declined, 7, "r");
  concurrent.finish();
  EXPECT_EQ(journal.entries, expectedEntries("First", 7, "r") + "begin Declined\n");
}

// What the watcher throws on the second thread comes out of finish, once;
// the records after it are not offered.
TEST(ConcurrentWatcher, PassesOnWhatTheWatcherThrows) {
  Journal journal;
  ConcurrentWatcher concurrent(journal);
  ASSERT_TRUE(concurrent.begin(*first));
  for (int number = 0; number < 100000; ++number) concurrent.offer(number == 20000 ? "fail" : "record");
  concurrent.end(*first);
  EXPECT_THROW(concurrent.finish(), std::runtime_error);
  std::string offered;
  for (int number = 0; number < 20000; ++number) offered += "record\n";
  EXPECT_TRUE(journal.entries == "begin First\n" + offered);
  EXPECT_NO_THROW(concurrent.finish());
}

// Loading that fails midway leaves work undone: the watcher stops, at most
// finishing the batch in hand, without hanging.
TEST(ConcurrentWatcher, StopsWithWorkLeft) {
  Journal journal;
  {
    ConcurrentWatcher concurrent(journal);
    ASSERT_TRUE(concurrent.begin(*first));
    for (int number = 0; number < 200000; ++number) {
      concurrent.offer("a record of some length " + std::to_string(number));
    }
    concurrent.end(*first);
  }
  EXPECT_TRUE(journal.entries.starts_with("begin First\na record of some length 0\n"));
}

}  // namespace
}  // namespace qerix
