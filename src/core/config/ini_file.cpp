#include "core/config/ini_file.h"

#include <unordered_map>

#include "core/os/file_io.h"
#include "core/text/text_helpers.h"

namespace melvoro {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::size_t kNone = std::string_view::npos;

// An all-blank text trims to the empty view at its end, not to a null one: names are kept as
// offsets from the text's start, so "[]" must yield a name inside the text.
std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == kNone) return text.substr(text.size());
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string Fold(std::string_view name) { return CyrLowerCase(Trim(name)); }

std::string WithoutLineBreaks(std::string_view text) {
  std::string out;
  for (const char c : text)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

}  // namespace

// Named, not anonymous: IniText::Index holds them.
namespace ini_detail {

enum class LineKind { Other, Section, Key };

// One line of the text; offsets into it, so a copy of the text can share the index.
struct Line {
  LineKind kind = LineKind::Other;
  std::size_t name = 0, name_size = 0;  // section or key name, trimmed
  std::size_t value = 0;                // key lines: where the value starts (blanks after "=" skipped)
  std::size_t end = 0;                  // end of the content, before CR LF or LF
  std::size_t next = 0;                 // start of the next line
  bool has_line_end = false;
};

// The first section of a name: its header, the lines [first, last) after it, and the first
// key line of each name in it. Names are folded.
struct Section {
  std::size_t header = 0, first = 0, last = 0;
  std::unordered_map<std::string, std::size_t> keys;
};

}  // namespace ini_detail

using ini_detail::Line;
using ini_detail::LineKind;
using ini_detail::Section;

struct IniText::Index {
  std::vector<Line> lines;
  std::unordered_map<std::string, Section> sections;
};

namespace {

Line ParseLine(std::string_view bytes, std::size_t begin) {
  Line line;
  const std::size_t lf = bytes.find('\n', begin);
  line.has_line_end = lf != kNone;
  line.next = line.has_line_end ? lf + 1 : bytes.size();
  line.end = line.has_line_end ? lf : bytes.size();
  if (line.end > begin && bytes[line.end - 1] == '\r') --line.end;

  const std::string_view content = bytes.substr(begin, line.end - begin);
  const std::string_view text = Trim(content);
  const auto set_name = [&](std::string_view name) {
    line.name = static_cast<std::size_t>(name.data() - bytes.data());
    line.name_size = name.size();
  };
  if (text.empty() || text.front() == ';') return line;
  if (text.front() == '[') {
    const std::size_t close = text.rfind(']');
    if (close != 0 && close != kNone) {
      line.kind = LineKind::Section;
      set_name(Trim(text.substr(1, close - 1)));
      return line;
    }
  }
  const std::size_t eq = content.find('=');
  if (eq == kNone || Trim(content.substr(0, eq)).empty()) return line;
  line.kind = LineKind::Key;
  set_name(Trim(content.substr(0, eq)));
  std::size_t value = begin + eq + 1;
  while (value < line.end && (bytes[value] == ' ' || bytes[value] == '\t')) ++value;
  line.value = value;
  return line;
}

const Section* FindSection(const std::unordered_map<std::string, Section>& sections,
                           std::string_view section) {
  const auto it = sections.find(Fold(section));
  return it == sections.end() ? nullptr : &it->second;
}

std::size_t FindKey(const Section* section, std::string_view key) {
  if (section == nullptr) return kNone;
  const auto it = section->keys.find(Fold(key));
  return it == section->keys.end() ? kNone : it->second;
}

}  // namespace

IniText::IniText(std::string bytes) : bytes_(std::move(bytes)) { Reindex(); }

// Parsed once per text: a file of many keys is read in one pass, not once per key.
void IniText::Reindex() {
  auto index = std::make_shared<Index>();
  const std::string_view bytes = bytes_;
  Section* section = nullptr;  // nullptr outside a section, and in a later one of a name seen
  for (std::size_t at = 0; at < bytes.size(); at = index->lines.back().next) {
    const Line& line = index->lines.emplace_back(ParseLine(bytes, at));
    const std::size_t i = index->lines.size() - 1;
    const std::string_view name = bytes.substr(line.name, line.name_size);
    if (line.kind == LineKind::Section) {
      auto [it, added] = index->sections.try_emplace(CyrLowerCase(name), Section{i, i + 1, i + 1, {}});
      section = added ? &it->second : nullptr;
      continue;
    }
    if (section == nullptr) continue;
    section->last = i + 1;
    if (line.kind == LineKind::Key) section->keys.try_emplace(CyrLowerCase(name), i);
  }
  index_ = std::move(index);
}

std::string IniText::Read(std::string_view section, std::string_view key) const {
  const std::size_t at = FindKey(FindSection(index_->sections, section), key);
  if (at == kNone) return {};
  const Line& line = index_->lines[at];
  std::string_view value = Trim(std::string_view(bytes_).substr(line.value, line.end - line.value));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

std::vector<std::string> IniText::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  const Section* span = FindSection(index_->sections, section);
  if (span == nullptr) return keys;
  for (std::size_t i = span->first; i < span->last; ++i) {
    const Line& line = index_->lines[i];
    if (line.kind == LineKind::Key) keys.emplace_back(bytes_.substr(line.name, line.name_size));
  }
  return keys;
}

void IniText::Write(std::string_view section, std::string_view key, std::string_view value) {
  const std::string clean_section = WithoutLineBreaks(section);
  const std::string clean_key = WithoutLineBreaks(key);
  const std::string clean_value = WithoutLineBreaks(value);
  if (Trim(clean_section).empty() || Trim(clean_key).empty())
    throw std::invalid_argument("an INI section and key need a name");

  const std::vector<Line>& lines = index_->lines;
  const Section* span = FindSection(index_->sections, clean_section);
  if (const std::size_t at = FindKey(span, clean_key); at != kNone) {
    bytes_.replace(lines[at].value, lines[at].end - lines[at].value, clean_value);
  } else if (const std::string entry = clean_key + "=" + clean_value + "\r\n"; span == nullptr) {
    if (!bytes_.empty() && bytes_.back() != '\n') bytes_ += "\r\n";
    bytes_ += "[" + clean_section + "]\r\n" + entry;
  } else {
    std::size_t after = span->header;
    for (std::size_t i = span->first; i < span->last; ++i)
      if (lines[i].kind == LineKind::Key) after = i;
    bytes_.insert(lines[after].next, lines[after].has_line_end ? entry : "\r\n" + entry);
  }
  Reindex();
}

IniText IniFile::Load() const {
  try {
    return IniText(ReadWholeFile(path_).value_or(std::string()));
  } catch (const FileError& e) {
    throw IniError(e.what());
  }
}

void IniFile::Save(const IniText& text) const {
  try {
    ReplaceFileAtomically(path_, text.Bytes());
  } catch (const FileError& e) {
    throw IniError(e.what());
  }
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) const {
  IniText text = Load();
  text.Write(section, key, value);
  Save(text);
}

}  // namespace melvoro
