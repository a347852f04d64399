#include "update/update_script.h"

#include <unistd.h>

#include <cerrno>

#include "core/file_io.h"
#include "core/os_path.h"
#include "core/temp_name.h"
#include "core/texts.h"

namespace melvoro {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// A name taken between TempName and the creation makes us ask again, this many times.
constexpr int kTries = 10;

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::string Cp1251ToCp866(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    int oem = '?';
    if (b < 0x80) {
      oem = b;
    } else if (b >= 0xC0 && b <= 0xEF) {  // А..Я, а..п
      oem = b - 0x40;
    } else if (b >= 0xF0) {  // р..я
      oem = b - 0x10;
    } else if (b == 0xA8) {  // Ё
      oem = 0xF0;
    } else if (b == 0xB8) {  // ё
      oem = 0xF1;
    }
    out += static_cast<char>(oem);
  }
  return out;
}

std::string UpdateScript(std::string_view new_exe_path, std::string_view running_exe_path) {
  const std::string lines[] = {
      "echo off",
      "chcp 1251",
      "cls",
      "title " + std::string(texts::kUpdateScriptTitle),
      "echo " + Cp1251ToCp866(texts::kUpdateScriptWait),
      // One echo request that times out: a pause in which the program ends before its file is
      // overwritten.
      "PING 1.1.1.1 -n 1 -w 2000 >NUL",
      "copy " + Quoted(new_exe_path) + " " + Quoted(running_exe_path),
      "cls",
      "echo " + Cp1251ToCp866(texts::kUpdateScriptDone),
      "echo " + Cp1251ToCp866(texts::kUpdateScriptClose),
      Quoted(running_exe_path),
      "",
  };
  std::string script;
  for (const std::string& line : lines) script += line + std::string(kLineEnd);
  return script;
}

std::string WriteUpdateScript(std::string_view new_exe_path, std::string_view running_exe_path) {
  const std::string script = UpdateScript(new_exe_path, running_exe_path);
  for (int n = 0;; ++n) {
    const std::string path = TempName() + ".bat";
    const int fd = CreateNewFile(path);
    if (fd < 0) {
      const int error = errno;
      if (error == EEXIST && n + 1 < kTries) continue;
      throw FileError(ToOsPath(path), error);
    }
    bool written = WriteAll(fd, script);
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
      written = false;
      error = errno;
    }
    // A script cut short would run half a command: it goes rather than stays behind.
    if (!written) {
      ::unlink(ToOsPath(path).c_str());
      throw FileError(ToOsPath(path), error);
    }
    return path;
  }
}

}  // namespace melvoro
