#include "core/ini_file.h"

#include "core/file_io.h"
#include "core/text_helpers.h"

namespace melvoro {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::size_t kNone = std::string_view::npos;

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == kNone) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string Fold(std::string_view name) { return CyrLowerCase(Trim(name)); }

enum class LineKind { Other, Section, Key };

// One line of the text; offsets into it.
struct Line {
  LineKind kind = LineKind::Other;
  std::string_view name;  // section or key name, trimmed
  std::size_t value = 0;  // key lines: where the value starts (blanks after "=" skipped)
  std::size_t end = 0;    // end of the content, before CR LF or LF
  std::size_t next = 0;   // start of the next line
  bool has_line_end = false;
};

Line ParseLine(std::string_view bytes, std::size_t begin) {
  Line line;
  const std::size_t lf = bytes.find('\n', begin);
  line.has_line_end = lf != kNone;
  line.next = line.has_line_end ? lf + 1 : bytes.size();
  line.end = line.has_line_end ? lf : bytes.size();
  if (line.end > begin && bytes[line.end - 1] == '\r') --line.end;

  const std::string_view content = bytes.substr(begin, line.end - begin);
  const std::string_view text = Trim(content);
  if (text.empty() || text.front() == ';') return line;
  if (text.front() == '[') {
    const std::size_t close = text.rfind(']');
    if (close != 0 && close != kNone) {
      line.kind = LineKind::Section;
      line.name = Trim(text.substr(1, close - 1));
      return line;
    }
  }
  const std::size_t eq = content.find('=');
  if (eq == kNone || Trim(content.substr(0, eq)).empty()) return line;
  line.kind = LineKind::Key;
  line.name = Trim(content.substr(0, eq));
  std::size_t value = begin + eq + 1;
  while (value < line.end && (bytes[value] == ' ' || bytes[value] == '\t')) ++value;
  line.value = value;
  return line;
}

std::vector<Line> ParseLines(std::string_view bytes) {
  std::vector<Line> lines;
  for (std::size_t at = 0; at < bytes.size(); at = lines.back().next) lines.push_back(ParseLine(bytes, at));
  return lines;
}

// The lines of the first section of that name: [first, last) after its header, and the
// header's index; header == kNone when there is no such section.
struct SectionSpan {
  std::size_t header = kNone, first = 0, last = 0;
};

SectionSpan FindSection(const std::vector<Line>& lines, std::string_view section) {
  const std::string wanted = Fold(section);
  SectionSpan span;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != LineKind::Section || CyrLowerCase(lines[i].name) != wanted) continue;
    span.header = i;
    span.first = i + 1;
    span.last = span.first;
    while (span.last < lines.size() && lines[span.last].kind != LineKind::Section) ++span.last;
    break;
  }
  return span;
}

std::size_t FindKey(const std::vector<Line>& lines, const SectionSpan& span, std::string_view key) {
  if (span.header == kNone) return kNone;
  const std::string wanted = Fold(key);
  for (std::size_t i = span.first; i < span.last; ++i)
    if (lines[i].kind == LineKind::Key && CyrLowerCase(lines[i].name) == wanted) return i;
  return kNone;
}

std::string WithoutLineBreaks(std::string_view text) {
  std::string out;
  for (const char c : text)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

}  // namespace

std::string IniText::Read(std::string_view section, std::string_view key) const {
  const std::vector<Line> lines = ParseLines(bytes_);
  const std::size_t at = FindKey(lines, FindSection(lines, section), key);
  if (at == kNone) return {};
  std::string_view value =
      Trim(std::string_view(bytes_).substr(lines[at].value, lines[at].end - lines[at].value));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

std::vector<std::string> IniText::Keys(std::string_view section) const {
  const std::vector<Line> lines = ParseLines(bytes_);
  const SectionSpan span = FindSection(lines, section);
  std::vector<std::string> keys;
  if (span.header == kNone) return keys;
  for (std::size_t i = span.first; i < span.last; ++i)
    if (lines[i].kind == LineKind::Key) keys.emplace_back(lines[i].name);
  return keys;
}

void IniText::Write(std::string_view section, std::string_view key, std::string_view value) {
  const std::string clean_section = WithoutLineBreaks(section);
  const std::string clean_key = WithoutLineBreaks(key);
  const std::string clean_value = WithoutLineBreaks(value);
  if (Trim(clean_section).empty() || Trim(clean_key).empty())
    throw std::invalid_argument("an INI section and key need a name");

  const std::vector<Line> lines = ParseLines(bytes_);
  const SectionSpan span = FindSection(lines, clean_section);
  if (const std::size_t at = FindKey(lines, span, clean_key); at != kNone) {
    bytes_.replace(lines[at].value, lines[at].end - lines[at].value, clean_value);
    return;
  }
  const std::string entry = clean_key + "=" + clean_value + "\r\n";
  if (span.header == kNone) {
    if (!bytes_.empty() && bytes_.back() != '\n') bytes_ += "\r\n";
    bytes_ += "[" + clean_section + "]\r\n" + entry;
    return;
  }
  std::size_t after = span.header;
  for (std::size_t i = span.first; i < span.last; ++i)
    if (lines[i].kind == LineKind::Key) after = i;
  bytes_.insert(lines[after].next, lines[after].has_line_end ? entry : "\r\n" + entry);
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
