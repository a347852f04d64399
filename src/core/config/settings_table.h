// The settings table: string values under string keys, kept in the order they were added.
// The program makes one at start; every part reads it at the moment of use.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace melvoro {

class SettingsTable {
 public:
  // The value under key, the empty text when there is none. Keys match byte for byte.
  std::string Get(std::string_view key) const;
  // Replaces the value of an existing key in place, else adds the key at the end.
  void Set(std::string_view key, std::string_view value);

  int Count() const { return static_cast<int>(entries_.size()); }
  const std::string& KeyAt(int index) const;  // 0 .. Count()-1; throws std::out_of_range
  const std::string& ValueAt(int index) const;

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
  std::unordered_map<std::string, std::size_t> positions_;  // a config.ini of many keys loads in linear time
};

}  // namespace melvoro
