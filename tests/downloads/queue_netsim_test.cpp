// The queue against netsim: songs found by a search, downloaded, looked up and refused.
#include <filesystem>
#include <set>

#include "core/os/os_path.h"
#include "core/text/cp1251.h"
#include "downloads/queue_fixture.h"
#include "support/netsim_process.h"

namespace melvoro::test {
namespace {

// Started before the fixture's engine, which is pointed at it.
struct NetsimFirst {
  NetsimProcess netsim;
};

class QueueNetsim : protected NetsimFirst, public QueueFixture {
 protected:
  QueueNetsim() : QueueFixture(netsim.HostsTable()) {
    results.OnShown.Add([this] { ++shown; });
  }
  // Runs the loop until every row has ended and every worker is gone.
  bool RunToTheEnd() {
    return loop.RunUntil(
        [&] {
          queue.Tick();
          for (int i = 0; i < queue.List().Count(); ++i)
            if (const DownloadState state = queue.List().Row(i).State; state != DownloadState::Done &&
                                                                       state != DownloadState::NotFound &&
                                                                       state != DownloadState::Failed)
              return false;
          return loop.RunningWorkers() == 0;
        },
        std::chrono::seconds(30));
  }

  int shown = 0;
};

TEST_F(QueueNetsim, ASearchFillsTheRowsAndAClickedSongLandsUnderItsName) {
  queue.AddSearch(Utf8ToCp1251("Северный ветер"));
  ASSERT_TRUE(loop.RunUntil([&] { return shown == 1; }, std::chrono::seconds(10)));
  ASSERT_EQ(results.InUseCount(), 5);
  const std::string name = results.NameText(2);
  EXPECT_EQ(Cp1251ToUtf8(name), "Северный Ветер - Снег над Невой");

  ASSERT_TRUE(results.Queue(2));
  queue.AddFoundSong(2, name, results.Row(2).Song.Link);
  ASSERT_TRUE(RunToTheEnd());
  EXPECT_EQ(States(), (std::vector<int>{2, 2}));
  EXPECT_EQ(results.Row(2).State, ResultRowState::Downloaded);
  const auto file = dir / "Северный Ветер - Снег над Невой.mp3";
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(queue.List().Row(1).Bytes, std::filesystem::file_size(file));
  EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(QueueNetsim, LookUpsFindTheMatchingSongOrNothingAndA404LeavesNoFile) {
  settings.Set("ThreadsCount", "2");
  queue.AddNamesToLookUp({Utf8ToCp1251("СЕВЕРНЫЙ ВЕТЕР — полночный трамвай!"), "Nobody - Nothing at all"});
  AddReady("Missing - Song", netsim.Url("/u00042/audio/000000000000.mp3"));
  ASSERT_TRUE(RunToTheEnd());
  EXPECT_EQ(States(), (std::vector<int>{2, 0, 6}));
  EXPECT_TRUE(std::filesystem::exists(dir / "СЕВЕРНЫЙ ВЕТЕР — полночный трамвай!.mp3"));
  EXPECT_FALSE(std::filesystem::exists(dir / "Missing - Song.mp3"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(Cp1251ToUtf8(boxes.Texts()[0]), "Неверный ответ сервера - 404");
  EXPECT_EQ(queue.List().Row(2).Error, boxes.Texts()[0]);
}

TEST_F(QueueNetsim, SongsOfOneNameNeverReplaceAFileThatDiffersAndTheRowSaysWhereTheyWent) {
  dir.Write("Same - Name.mp3", "the user's own");
  const auto blob = [&](int bytes) { return netsim.Url("/_netsim/blob?bytes=" + std::to_string(bytes)); };
  // Finishing together; the third brings the first's bytes again.
  AddReady("Same - Name", blob(3000));
  AddReady("Same - Name", blob(5000));
  AddReady("Same - Name", blob(3000));
  ASSERT_TRUE(RunToTheEnd());
  EXPECT_EQ(States(), (std::vector<int>{2, 2, 2}));
  EXPECT_EQ(ReadFile(dir / "Same - Name.mp3"), "the user's own");
  const auto path = [&](int row) { return ToOsPath(queue.List().Row(row).Path); };
  EXPECT_EQ(path(0), path(2));
  EXPECT_EQ(std::filesystem::file_size(path(0)), 3000u);
  EXPECT_EQ(std::filesystem::file_size(path(1)), 5000u);
  const std::set<std::filesystem::path> taken = {path(0), path(1)};
  EXPECT_EQ(taken,
            (std::set<std::filesystem::path>{dir / "Same - Name (2).mp3", dir / "Same - Name (3).mp3"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
  EXPECT_EQ(log.At(0).Icon, kLogInfo);
}

TEST_F(QueueNetsim, NeverMoreTransfersAtOnceThanTheLimit) {
  settings.Set("ThreadsCount", "2");
  for (int i = 0; i < 5; ++i)
    AddReady("Blob " + std::to_string(i), netsim.Url("/_netsim/blob?bytes=400000&netsim_rate=2000000"));
  int most = 0;
  ASSERT_TRUE(loop.RunUntil(
      [&] {
        queue.Tick();
        const auto states = States();
        most = std::max(most, static_cast<int>(std::count(states.begin(), states.end(), 1)));
        return std::count(states.begin(), states.end(), 2) == 5 && loop.RunningWorkers() == 0;
      },
      std::chrono::seconds(30)));
  EXPECT_EQ(most, 2);
}

}  // namespace
}  // namespace melvoro::test
