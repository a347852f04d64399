#include "core/config/settings_table.h"

#include <stdexcept>

namespace melvoro {

std::string SettingsTable::Get(std::string_view key) const {
  const auto it = positions_.find(std::string(key));
  return it == positions_.end() ? std::string() : entries_[it->second].second;
}

void SettingsTable::Set(std::string_view key, std::string_view value) {
  const auto [it, added] = positions_.try_emplace(std::string(key), entries_.size());
  if (added) {
    entries_.emplace_back(key, value);
  } else {
    entries_[it->second].second = value;
  }
}

const std::string& SettingsTable::KeyAt(int index) const {
  return entries_.at(static_cast<std::size_t>(index)).first;
}

const std::string& SettingsTable::ValueAt(int index) const {
  return entries_.at(static_cast<std::size_t>(index)).second;
}

}  // namespace melvoro
