#include "page_rows.h"

#include <algorithm>

namespace melvoro::bench {

namespace {

// Both kinds of row open the same way and end with the script that describes the song.
constexpr std::string_view kRowStart = "<div class=\"audioRow\"";
constexpr std::string_view kRowEnd = "</script>\n</div>\n";

}  // namespace

PageRows::PageRows(std::string_view page) {
  const std::size_t first = page.find(kRowStart);
  const std::size_t last = page.rfind(kRowEnd);
  if (first == std::string_view::npos || last == std::string_view::npos || last < first) {
    head_ = page;
    return;
  }
  const std::size_t end = last + kRowEnd.size();
  head_ = page.substr(0, first);
  tail_ = page.substr(end);
  for (std::size_t start = first; start < end;) {
    const std::size_t next = std::min(page.find(kRowStart, start + 1), end);
    rows_.emplace_back(page.substr(start, next - start));
    start = next;
  }
}

std::string PageRows::WithRows(std::size_t count) const {
  std::string page = head_;
  for (std::size_t i = 0; i < count && !rows_.empty(); ++i) page += rows_[i % rows_.size()];
  page += tail_;
  return page;
}

std::size_t PageRows::RowsToReach(std::size_t bytes) const {
  std::size_t size = head_.size() + tail_.size();
  std::size_t count = 0;
  for (; size < bytes && !rows_.empty(); ++count) size += rows_[count % rows_.size()].size();
  return count;
}

PageRows PageRows::Replaced(std::string_view from, std::string_view to) const {
  PageRows out;
  out.head_ = head_;
  out.tail_ = tail_;
  for (std::string row : rows_) {
    for (std::size_t at = row.find(from); !from.empty() && at != std::string::npos;
         at = row.find(from, at + to.size()))
      row.replace(at, from.size(), to);
    out.rows_.push_back(std::move(row));
  }
  return out;
}

}  // namespace melvoro::bench
