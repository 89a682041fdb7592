// Source files of a library as text in code page 874. A source is UTF-8 (with or without
// a byte-order mark) or, when it is not valid UTF-8, code page 874 already. Lines end in
// LF or CR LF; tabs are the only other control character allowed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lomarin::mkdata {

struct SourceFile {
  std::string path;  // as named in error messages
  std::string text;  // code page 874, every line ended by a single "\n"
};

// The decoded text. Raises SourceError for a character code page 874 cannot hold, a
// byte it leaves undefined, or a control character.
std::string DecodeSource(std::string_view raw, const std::string& path);

// Reads and decodes a file; raises FileError::CannotOpen when it cannot be read.
SourceFile ReadSourceFile(const std::string& path);

// Walks the lines of a decoded text, counting them from 1.
class SourceLines {
 public:
  explicit SourceLines(std::string_view text) : m_rest(text) {}
  bool Next(std::string_view& line) {
    if (m_rest.empty()) return false;
    const size_t end = m_rest.find('\n');
    line = m_rest.substr(0, end);
    m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
    ++m_number;
    return true;
  }
  int Number() const { return m_number; }

 private:
  std::string_view m_rest;
  int m_number = 0;
};

// Splits a directive's arguments at runs of spaces and tabs.
std::vector<std::string_view> SplitWords(std::string_view text);

}  // namespace lomarin::mkdata
