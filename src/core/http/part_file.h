// A file written under a temporary name beside its target and renamed over the target only
// when complete, so no partial file ever stands under the final name.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace melvoro {

class PartFile {
 public:
  static constexpr std::string_view kSuffix = ".part";

  // Creates or empties "<target>.part" (another writer busy with the same target gets
  // "<target>.1.part" and so on). Only our own regular file with a single link is reused: a
  // link, FIFO or someone else's file under the name is left alone for the next name. Throws
  // std::runtime_error with a Windows-1251 message.
  explicit PartFile(std::string_view target_cp1251);
  ~PartFile();  // removes the temporary file unless committed
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;

  void Write(const char* data, std::size_t size);
  // Closes the file and renames it over the target.
  void Commit();
  // Closes the file and gives it the target's name, or when another file holds that name, the
  // first free one of "<stem> (2)<ext>", "(3)", ...; a file already holding exactly these bytes
  // is kept and this one dropped. Never replaces a file. Returns the name the bytes stand under.
  std::string CommitKeepingOthers();

  const std::filesystem::path& TemporaryPath() const { return temp_; }

 private:
  std::string target_cp1251_;
  std::filesystem::path target_;
  std::filesystem::path temp_;
  int fd_ = -1;
  bool committed_ = false;
};

}  // namespace melvoro
