// What the download queue needs of the results list: lay out the songs a search found, and
// recognise and colour the row a download came from as it finishes, fails or goes again.
#pragma once

#include <string>
#include <vector>

#include "search/song.h"

namespace melvoro {

class ShownResults {
 public:
  static constexpr int kRowCount = 100;

  virtual ~ShownResults() = default;
  virtual void ShowResults(std::vector<Song> list) = 0;
  // The name label of row n (1..kRowCount), empty for a row not in use.
  virtual std::string NameText(int n) const = 0;
  virtual void MarkDownloaded(int n) = 0;
  virtual void MarkFailed(int n) = 0;
  // Marks a clickable row queued; false when it is not (see ResultRows::Queue).
  virtual bool Queue(int n) = 0;
};

}  // namespace melvoro
