#include "update/update_script.h"

#include <stdexcept>

#include "core/os/temp_name.h"
#include "core/text/cp1251.h"
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

std::string UpdateScriptPathFault(std::string_view path) {
  std::string_view fault;
  std::string shown(path);
  for (char& c : shown) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) {
      fault = texts::kUpdatePathControl;
      c = '?';  // the message stays on one line
    } else if (fault.empty() && c == '"') {
      fault = texts::kUpdatePathQuote;
    } else if (fault.empty() && c == '%') {
      fault = texts::kUpdatePathPercent;
    } else if (fault.empty() && (c == '?' || c == '*')) {
      fault = texts::kUpdatePathWildcard;
    }
  }
  return fault.empty() ? std::string() : std::string(fault) + shown;
}

std::string WriteUpdateScript(std::string_view new_exe_path, std::string_view running_exe_path) {
  for (const std::string_view path : {new_exe_path, running_exe_path})
    if (const std::string fault = UpdateScriptPathFault(path); !fault.empty())
      throw std::runtime_error(Cp1251ToUtf8(fault));
  return WriteNewTempFile(".bat", UpdateScript(new_exe_path, running_exe_path));
}

}  // namespace melvoro
