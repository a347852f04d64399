// config.ini with the semantics of the Windows profile-string functions, bytes preserved:
// a write changes one line or adds one, every other byte of the file stays as it was.
// Texts are Windows-1251. Section and key names match without regard to letter case (Latin
// and Cyrillic) and around blanks; a value loses its blanks and one pair of enclosing quotes.
// The first section of a name, and the first key of a name in it, win.
#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace melvoro {

// The file exists but cannot be read or written. what() is UTF-8 for logs and terminals.
class IniError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An INI text in memory.
class IniText {
 public:
  IniText() : IniText(std::string()) {}
  explicit IniText(std::string bytes);

  const std::string& Bytes() const { return bytes_; }

  // The empty text when the section or the key is missing.
  std::string Read(std::string_view section, std::string_view key) const;
  // Key names of the section as written, in file order, duplicates included.
  std::vector<std::string> Keys(std::string_view section) const;
  // Replaces the value of the key's line, else adds "key=value" after the section's last key,
  // else adds the section at the end. CR and LF are dropped from all three texts: they would
  // end the line and let a value write keys of its own. New lines end in CR LF.
  void Write(std::string_view section, std::string_view key, std::string_view value);

 private:
  struct Index;
  void Reindex();

  std::string bytes_;
  std::shared_ptr<const Index> index_;  // shared by copies; a write makes a new one
};

// An INI file on disk. Every call reads the file anew, as the profile functions do; a missing
// file reads as empty, one that exists but cannot be read throws IniError.
class IniFile {
 public:
  explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& Path() const { return path_; }

  IniText Load() const;
  // Replaces the file atomically: a temporary file beside it, renamed over it.
  void Save(const IniText& text) const;

  std::string Read(std::string_view section, std::string_view key) const { return Load().Read(section, key); }
  std::vector<std::string> Keys(std::string_view section) const { return Load().Keys(section); }
  void Write(std::string_view section, std::string_view key, std::string_view value) const;

 private:
  std::filesystem::path path_;
};

}  // namespace melvoro
