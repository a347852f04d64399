// What the transfer handlers, retries, look-up answers and the album table do to the rows.
#include <filesystem>

#include "core/os/file_io.h"
#include "core/text/cp1251.h"
#include "downloads/queue_fixture.h"
#include "support/temp_dir.h"

namespace melvoro::test {
namespace {

class QueueHandlers : public QueueFixture {
 protected:
  // A worker as the handlers see it; it never runs.
  std::unique_ptr<HttpRequest> WorkerFor(int index, std::uint32_t length) {
    auto worker = std::make_unique<HttpRequest>(context);
    worker->ItemIndex = index;
    worker->ItemText = queue.List().Row(index).Name;
    worker->ContentLength = length;
    worker->FileName = queue.List().Row(index).Path;
    return worker;
  }
  static Song MakeSong(const std::string& artist, const std::string& title) {
    Song s;
    s.Artist = artist;
    s.Title = title;
    s.Link = "http://cs1.x/u00001/audio/" + title + ".mp3";
    return s;
  }
};

TEST_F(QueueHandlers, ProgressAndCompletionFillTheRow) {
  const int row = AddReady("A - B");
  queue.Tick();
  auto worker = WorkerFor(row, 4'294'967'295u);
  queue.DownloadProgress(*worker, 255);  // the product is formed in 64 bits
  EXPECT_EQ(queue.List().Row(row).Bytes, 10'952'166'602u);
  worker->ContentLength = 3'145'728;
  queue.DownloadProgress(*worker, 50);
  EXPECT_EQ(queue.List().Row(row).Percent, 50);
  EXPECT_EQ(queue.List().Row(row).Bytes, 1'572'864u);
  queue.DownloadDone(*worker);
  EXPECT_EQ(queue.List().Row(row).Percent, std::nullopt);
  EXPECT_EQ(queue.List().Row(row).Bytes, 3'145'728u);
  EXPECT_EQ(queue.List().Row(row).State, DownloadState::Done);

  // No declared length: the worker reports 1, which the list shows as 0 kilobytes.
  const int other = AddReady("C - D");
  auto unknown = WorkerFor(other, 1);
  queue.DownloadProgress(*unknown, 100);
  EXPECT_EQ(queue.List().Row(other).Bytes, 1u);
  queue.DownloadDone(*unknown);
  EXPECT_EQ(queue.List().Row(other).Bytes, 1u);
}

TEST_F(QueueHandlers, ATickMarksATransferThatReceivesNothingUntilDataArrives) {
  auto now = std::chrono::steady_clock::now();
  queue.Now = [&] { return now; };
  const int row = AddReady("A - B");
  queue.Tick();
  ASSERT_EQ(queue.List().Row(row).State, DownloadState::Transferring);
  int changes = 0;
  const int listener = queue.List().OnRowChanged.Add([&](int) { ++changes; });
  const auto waiting = [&] { return queue.List().Row(row).WaitingForData; };

  now += std::chrono::seconds(4);  // a short gap is normal, and costs the views nothing
  queue.Tick();
  EXPECT_EQ(waiting(), std::nullopt);
  EXPECT_EQ(changes, 0);
  now += std::chrono::seconds(8);
  queue.Tick();
  queue.Tick();
  EXPECT_EQ(waiting(), 12u);
  EXPECT_EQ(changes, 1);

  // Any data ends the wait, with a percent or without one; the quiet counts from there.
  auto worker = WorkerFor(row, 1000);
  queue.DownloadProgress(*worker, 40);
  EXPECT_EQ(waiting(), std::nullopt);
  now += std::chrono::seconds(6);
  queue.Tick();
  EXPECT_EQ(waiting(), 6u);
  queue.DownloadReceiving(*worker);
  EXPECT_EQ(waiting(), std::nullopt);
  now += std::chrono::seconds(6);
  queue.Tick();
  queue.DownloadFailed(*worker, "stalled");
  EXPECT_EQ(waiting(), std::nullopt);
  queue.List().OnRowChanged.Remove(listener);
}

TEST_F(QueueHandlers, CompletionColoursTheResultRowOnlyWhileItStillShowsTheSong) {
  std::vector<Song> songs;
  for (int i = 1; i <= 7; ++i) songs.push_back(MakeSong("Artist", "Song " + std::to_string(i)));
  results.ShowResults(songs);
  ASSERT_TRUE(results.Queue(7));
  const int row = queue.AddFoundSong(7, results.NameText(7), results.Row(7).Song.Link);
  const int other = queue.AddFoundSong(6, results.NameText(6), results.Row(6).Song.Link);
  auto worker = WorkerFor(row, 1000);
  auto replaced = WorkerFor(other, 1000);

  queue.DownloadDone(*worker);
  EXPECT_EQ(results.Row(7).State, ResultRowState::Downloaded);
  EXPECT_EQ(results.Row(7).Progress, 100);

  songs[5] = MakeSong("Other", "Song");  // a new search put another song into row 6
  results.ShowResults(songs);
  queue.DownloadDone(*replaced);
  EXPECT_EQ(results.Row(6).State, ResultRowState::Fresh);
  EXPECT_EQ(queue.List().Row(other).State, DownloadState::Done);

  // A chart line that happens to stand at position 2 with row 2's name was not queued from it.
  queue.AddNamesToLookUp({results.NameText(2)});
  queue.DownloadDone(*WorkerFor(2, 1000));
  EXPECT_EQ(results.Row(2).State, ResultRowState::Fresh);
}

TEST_F(QueueHandlers, AFailedTransferStopsCountingAndCanBeRetried) {
  settings.Set("ThreadsCount", "1");
  const int first = AddReady("A - B");
  const int second = AddReady("C - D");
  queue.Tick();
  ASSERT_EQ(States(), (std::vector<int>{1, 3}));

  queue.DownloadFailed(*WorkerFor(first, 1), "broken");
  EXPECT_EQ(queue.List().Row(first).State, DownloadState::Failed);
  EXPECT_EQ(queue.List().Row(first).Error, "broken");
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"broken"});
  EXPECT_EQ(log.At(0).Icon, kLogError);
  EXPECT_EQ(log.At(0).Details, "broken");

  // The failed row no longer holds the slot: the next one has it at once.
  EXPECT_EQ(queue.List().Row(second).State, DownloadState::Transferring);
  // The same failure again a moment later: logged, not boxed again.
  queue.DownloadFailed(*WorkerFor(second, 1), "broken");
  EXPECT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(log.Count(), 2u);
  queue.Now = [] { return std::chrono::steady_clock::now() + std::chrono::minutes(2); };
  queue.DownloadFailed(*WorkerFor(second, 1), "broken");
  EXPECT_EQ(boxes.Texts().size(), 2u);

  ASSERT_TRUE(queue.Retry(first));  // with its slot free it starts at once
  EXPECT_EQ(queue.List().Row(first).State, DownloadState::Transferring);
  EXPECT_EQ(queue.List().Row(first).Error, "");
  EXPECT_FALSE(queue.Retry(first));  // only a failed row

  ASSERT_TRUE(queue.Retry(second));  // the one slot is taken: it waits
  const DownloadRow& retried = queue.List().Row(second);
  EXPECT_EQ(retried.State, DownloadState::Ready);
  EXPECT_FALSE(retried.Started());  // the path comes again when it starts
  EXPECT_EQ(retried.Percent, 0);
  EXPECT_EQ(retried.Bytes, std::nullopt);
  EXPECT_EQ(retried.SizeBefore, SizeBeforeReport::ZeroKb);
  EXPECT_EQ(retried.Error, "");
}

TEST_F(QueueHandlers, WithNoDownloadFolderNothingStartsAndTheBoxNamesTheSettings) {
  settings.Set("UploadDir", "");
  AddReady("A - B");
  AddReady("C - D");
  queue.Tick();
  EXPECT_EQ(States(), (std::vector<int>{6, 6}));
  EXPECT_EQ(loop.RunningWorkers(), 0);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(Cp1251ToUtf8(boxes.Texts()[0]).find("«Настройки»"), std::string::npos);
  EXPECT_EQ(queue.List().Row(1).Error, boxes.Texts()[0]);
  EXPECT_FALSE(queue.List().Row(1).Started());
}

TEST_F(QueueHandlers, TransfersAndLookUpsEachKeepTheirOwnMinuteOfQuiet) {
  auto now = std::chrono::steady_clock::now();
  queue.Now = [&] { return now; };
  const int row = AddReady("A - B");
  queue.AddNamesToLookUp({"C - D"});
  const auto start = now;
  const auto at = [&](int second, bool transfer) {
    now = start + std::chrono::seconds(second);
    if (transfer) {
      queue.DownloadFailed(*WorkerFor(row, 1), "offline");
    } else {
      queue.LookupFailed(1, "offline");
    }
    return boxes.Texts().size();
  };
  EXPECT_EQ(at(0, true), 1u);
  EXPECT_EQ(at(30, true), 1u);   // the same failure within the minute
  EXPECT_EQ(at(50, false), 2u);  // a look-up has its own minute
  EXPECT_EQ(at(80, false), 2u);
  EXPECT_EQ(at(80, true), 3u);    // counted from the last box, not the last failure
  EXPECT_EQ(at(100, false), 3u);  // fifty seconds after the look-up's box
  EXPECT_EQ(at(110, false), 4u);
}

TEST_F(QueueHandlers, LookUpAnswersAndFailuresWithTheirGrowingPause) {
  queue.AddNamesToLookUp({"Kino - Zvezda", "Nobody - Nothing"});
  queue.LookupFound(0, "http://cs1.x/a.mp3");  // found with a slot free: its transfer starts
  EXPECT_EQ(queue.List().Row(0).State, DownloadState::Transferring);
  EXPECT_EQ(queue.List().Row(0).Link, "http://cs1.x/a.mp3");
  queue.LookupNotFound(1);
  EXPECT_EQ(queue.List().Row(1),
            (DownloadRow{.Number = 1, .Name = "Nobody - Nothing", .State = DownloadState::NotFound}));

  auto now = std::chrono::steady_clock::now();
  queue.Now = [&] { return now; };
  queue.AddNamesToLookUp({"Later - One"});
  queue.LookupFailed(2, "offline");
  queue.LookupFailed(2, "offline");
  EXPECT_EQ(queue.List().Row(2).State, DownloadState::LookUp);  // still waiting to be looked up
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"offline"});
  EXPECT_EQ(log.Count(), 2u);

  queue.Tick();
  EXPECT_FALSE(controller.Busy());  // within the pause after the second failure
  now += std::chrono::seconds(9);
  queue.Tick();
  EXPECT_FALSE(controller.Busy());
  now += std::chrono::seconds(1);
  queue.Tick();
  EXPECT_TRUE(controller.Busy());

  using std::chrono::seconds;
  EXPECT_EQ(DownloadQueue::LookupRetryPause(1), seconds(5));
  EXPECT_EQ(DownloadQueue::LookupRetryPause(3), seconds(20));
  EXPECT_EQ(DownloadQueue::LookupRetryPause(7), seconds(300));
  EXPECT_EQ(DownloadQueue::LookupRetryPause(60), seconds(300));
}

TEST_F(QueueHandlers, ALookUpThatKeepsFailingEndsWhenTheCallerSetsALimit) {
  queue.MaxLookupFailures = 2;
  queue.AddNamesToLookUp({"A - B"});
  queue.LookupFailed(0, "offline");
  EXPECT_EQ(queue.List().Row(0).State, DownloadState::LookUp);
  queue.LookupFailed(0, "offline");
  EXPECT_EQ(queue.List().Row(0).State, DownloadState::Failed);
  ASSERT_TRUE(queue.Retry(0));  // it has no link yet: back to being looked up
  EXPECT_EQ(queue.List().Row(0).State, DownloadState::LookUp);
}

TEST_F(QueueHandlers, AlbumTracksTakeTableEntriesAndWriteThePlaylist) {
  const std::string folder = dir.path().string() + "/Artist \x97 Album/";
  queue.QueueAlbumTracks({"Intro", "Song: Two"}, "Artist", "Album", folder);
  EXPECT_EQ(States(), (std::vector<int>{4, 4}));
  EXPECT_EQ(queue.List().Row(1), (DownloadRow{.Number = 2,
                                              .Name = "Artist \x97 Song: Two",
                                              .State = DownloadState::LookUp,
                                              .Percent = 0,
                                              .SizeBefore = SizeBeforeReport::Zero}));
  EXPECT_EQ(queue.AlbumEntry(2).Title, "Song: Two");
  EXPECT_EQ(queue.AlbumEntry(2).ListRow, 1);
  EXPECT_EQ(
      ReadWholeFile(dir / "Artist \xE2\x80\x94 Album" / "Artist \xE2\x80\x94 Album.m3u"),
      "#EXTM3U\r\n#EXTINF:0,Intro\r\nIntro.mp3\r\n\r\n#EXTINF:0,Song: Two\r\nSong Two.mp3\r\n\r\n\r\n\r\n");

  std::vector<std::string> many(99, "Track");
  queue.QueueAlbumTracks(many, "Artist", "Album", folder);
  EXPECT_EQ(queue.List().Count(), 100);
  EXPECT_EQ(log.At(0).Icon, kLogError);  // the 101st track found no free entry
  EXPECT_EQ(log.At(0).Description,
            "\xCD\xE5\xE2\xEE\xE7\xEC\xEE\xE6\xED\xEE \xE4\xEE\xE1\xE0\xE2\xE8\xF2\xFC "
            "\xEF\xE5\xF1\xED\xFE. \xCD\xE5\xF2 \xF1\xE2\xEE\xE1\xEE\xE4\xED\xFB\xF5 "
            "\xEF\xEE\xF2\xEE\xEA\xEE\xE2");
  queue.GiveBackAlbumEntry(40);
  queue.QueueAlbumTracks({"Late"}, "Artist", "Album", folder);
  EXPECT_EQ(queue.List().Row(100).Number, 40);

  // The download folder itself is missing: an error, and no row.
  EXPECT_THROW(queue.QueueAlbumTracks({"X"}, "A", "B", dir.path().string() + "/missing/A \x97 B/"),
               FileError);
  // None known yet: refused too, nothing made at the root.
  EXPECT_THROW(queue.QueueAlbumDownload({"X"}, "A", "B", ""), FileError);
  EXPECT_EQ(queue.List().Count(), 101);
}

}  // namespace
}  // namespace melvoro::test
