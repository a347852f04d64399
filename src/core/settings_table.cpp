#include "core/settings_table.h"

#include <algorithm>
#include <stdexcept>

namespace melvoro {

std::string TArray::Get(std::string_view key) const {
  const auto it =
      std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
  return it == entries_.end() ? std::string() : it->second;
}

void TArray::Set(std::string_view key, std::string_view value) {
  const auto it =
      std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
  if (it != entries_.end()) {
    it->second = value;
  } else {
    entries_.emplace_back(key, value);
  }
}

const std::string& TArray::KeyAt(int index) const {
  return entries_.at(static_cast<std::size_t>(index)).first;
}

const std::string& TArray::ValueAt(int index) const {
  return entries_.at(static_cast<std::size_t>(index)).second;
}

}  // namespace melvoro
