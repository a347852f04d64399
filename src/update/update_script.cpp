#include "update/update_script.h"

#include "core/os/temp_name.h"
#include "core/text/texts.h"

namespace melvoro {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

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
  return WriteNewTempFile(".bat", UpdateScript(new_exe_path, running_exe_path));
}

}  // namespace melvoro
