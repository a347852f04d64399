// The tick: which rows it starts, in what order, and what waits.
#include "downloads/queue_fixture.h"

namespace melvoro::test {
namespace {

using QueueTick = QueueFixture;

TEST_F(QueueTick, StartsReadyRowsInListOrderUpToTheLimitAndNamesTheirFiles) {
  for (int i = 0; i < 7; ++i) AddReady("Artist - Song " + std::to_string(i));
  queue.Tick();
  EXPECT_EQ(States(), (std::vector<int>{1, 1, 1, 1, 1, 3, 3}));
  const DownloadRow& first = queue.List().Row(0);
  EXPECT_EQ(first.Path, dir.path().string() + "/Artist - Song 0.mp3");
  EXPECT_FALSE(queue.List().Row(5).Started());

  // Fewer slots than running transfers: they go on, nothing new starts.
  settings.Set("ThreadsCount", "2");
  queue.Tick();
  EXPECT_EQ(States(), (std::vector<int>{1, 1, 1, 1, 1, 3, 3}));
}

TEST_F(QueueTick, NoSlotsMeansNothingStartsNotEvenSearchesOrLookUps) {
  settings.Set("ThreadsCount", "0");
  AddReady("A - B");
  queue.AddNamesToLookUp({"C - D"});
  queue.AddSearch("E");
  queue.Tick();
  EXPECT_EQ(States(), (std::vector<int>{3, 4, 5}));
  EXPECT_FALSE(controller.Busy());

  // One free slot at the start of the tick lets the search through as well as the transfer.
  settings.Set("ThreadsCount", "1");
  queue.Tick();
  EXPECT_EQ(States(), (std::vector<int>{1, 4, 2}));
  EXPECT_TRUE(controller.Busy());
}

TEST_F(QueueTick, TheLastTypedSearchGoesFirstAndLookUpsWaitForSearches) {
  int started = 0;
  queue.OnSearchStarted.Add([&] { ++started; });
  queue.AddNamesToLookUp({"Kino - Zvezda"});
  queue.AddSearch("first");  // a pending search beats the pending look-up
  EXPECT_EQ(States(), (std::vector<int>{4, 2}));
  EXPECT_EQ(started, 1);
  EXPECT_TRUE(controller.Busy());
  EXPECT_EQ(controller.ListTitle, "\xCF\xEE\xE8\xF1\xEA first (Melvoro \xE2. " MELVORO_VERSION ")");

  queue.AddSearch("older");
  queue.AddSearch("newer");
  EXPECT_EQ(States(), (std::vector<int>{4, 2, 5, 5}));  // the controller is busy: they wait

  // The first search fails (nothing listens); the controller is free again.
  ASSERT_TRUE(loop.RunUntil([&] { return !controller.Busy(); }, std::chrono::seconds(10)));
  ASSERT_EQ(boxes.Texts().size(), 1u);
  queue.Tick();
  EXPECT_EQ(States(), (std::vector<int>{4, 2, 5, 2}));
  EXPECT_EQ(started, 2);
}

TEST_F(QueueTick, ASearchWaitsWhileEverySlotIsBusy) {
  settings.Set("ThreadsCount", "1");
  AddReady("A - B");
  queue.Tick();
  queue.AddSearch("query");
  EXPECT_EQ(States(), (std::vector<int>{1, 5}));
  EXPECT_FALSE(controller.Busy());
}

TEST_F(QueueTick, ALookUpTakesTheFirstWaitingName) {
  queue.AddNamesToLookUp({"one", "two"});
  queue.Tick();
  EXPECT_TRUE(controller.Busy());
  EXPECT_EQ(controller.QueueIndex(), 0);
  EXPECT_EQ(States(), (std::vector<int>{4, 4}));
}

TEST_F(QueueTick, AThreadsCountThatIsNoNumberMeansFiveAndIsLoggedOnce) {
  settings.Set("ThreadsCount", "");
  for (int i = 0; i < 6; ++i) AddReady("S" + std::to_string(i));
  queue.Tick();
  queue.Tick();
  EXPECT_EQ(States(), (std::vector<int>{1, 1, 1, 1, 1, 3}));
  ASSERT_EQ(log.Count(), 1u);
  EXPECT_EQ(log.At(0).Icon, kLogError);

  settings.Set("ThreadsCount", "-2147483648");  // the lowest number there is: no slot, no overflow
  queue.Tick();
  EXPECT_EQ(States(), (std::vector<int>{1, 1, 1, 1, 1, 3}));

  settings.Set("ThreadsCount", "5x");
  queue.Tick();
  EXPECT_EQ(log.Count(), 2u);  // a new wrong value is worth one more line
  EXPECT_EQ(log.At(0).Details, "5x");
  EXPECT_TRUE(boxes.Texts().empty());
}

// Each transfer holds a socket and a file: a huge setting must not exhaust the descriptors.
TEST_F(QueueTick, AHugeThreadsCountIsCapped) {
  settings.Set("ThreadsCount", "100000");
  EXPECT_EQ(queue.ThreadLimit(), kMaxTransferSlots);
}

}  // namespace
}  // namespace melvoro::test
