// A page of audio rows cut into what precedes the rows, the rows, and what follows them, so
// that pages of any length can be built from one that netsim served.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace melvoro::bench {

class PageRows {
 public:
  // A page without rows is all head.
  explicit PageRows(std::string_view page);

  std::size_t rows() const { return rows_.size(); }

  // The page with `count` rows: the served ones, repeated in their order.
  std::string WithRows(std::size_t count) const;
  // The fewest rows that make the page at least `bytes` long.
  std::size_t RowsToReach(std::size_t bytes) const;
  // The same page with every `from` inside its rows replaced by `to`.
  PageRows Replaced(std::string_view from, std::string_view to) const;

 private:
  PageRows() = default;

  std::string head_;
  std::string tail_;
  std::vector<std::string> rows_;
};

}  // namespace melvoro::bench
