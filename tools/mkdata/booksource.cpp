#include "booksource.h"

#include <algorithm>
#include <charconv>

#include "sourceerror.h"
#include "uunpak.h"

namespace lomarin::mkdata {
namespace {

const char* KindName(BookKind kind) {
  switch (kind) {
    case BookKind::Tipitaka: return "a Tipitaka volume";
    case BookKind::Atthakatha: return "an Atthakatha volume";
    case BookKind::Milinda: return "the Milindapanha";
    case BookKind::Visuddhi: return "a Visuddhimagga part";
    case BookKind::Chant: return "a chant book";
  }
  return "";
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Splits "NAME REST" after the "@".
void SplitDirective(std::string_view line, std::string_view& name, std::string_view& rest) {
  line.remove_prefix(1);
  size_t end = 0;
  while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
  name = line.substr(0, end);
  rest = Trim(line.substr(end));
}

class BookParser {
 public:
  BookParser(const SourceFile& file, BookKind kind) : m_file(file), m_kind(kind) {
    m_book.path = file.path;
    m_book.text.reserve(file.text.size() + file.text.size() / 16);
  }

  BookText Run() {
    SourceLines lines(m_file.text);
    std::string_view line;
    while (lines.Next(line)) {
      m_line = lines.Number();
      if (!line.empty() && line[0] == '@') {
        Directive(line);
      } else {
        AddTextLine(line);
      }
    }
    m_line = lines.Number();
    CloseRange(m_book.pages, "page", m_book.lineCount);
    CloseRange(m_book.items, "item", m_book.lineCount);
    return std::move(m_book);
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { throw SourceError(m_file.path, m_line, message); }

  void AddTextLine(std::string_view text) {
    if (m_kind != BookKind::Chant && m_book.lineCount == kMaxTextLines) {
      Fail("more than 65,535 text lines: the tables hold 16-bit line numbers");
    }
    if (m_book.text.size() + text.size() + 2 > static_cast<size_t>(kMaxUnpackedSize)) {
      Fail("the text grows past 512 MB, more than an archive member holds");
    }
    m_book.lineStarts.push_back(static_cast<uint32_t>(m_book.text.size()));
    m_book.text.append(text);
    m_book.text.append("\r\n");
    ++m_book.lineCount;
  }

  void Directive(std::string_view line) {
    if (line.size() > 1 && line[1] == '@') return AddTextLine(line.substr(1));
    if (line.size() > 1 && line[1] == '#') return;
    std::string_view name, rest;
    SplitDirective(line, name, rest);
    const bool numbered = m_kind == BookKind::Tipitaka || m_kind == BookKind::Atthakatha;
    if (name == "heading" && m_kind != BookKind::Chant) return Heading(rest);
    if (name == "page" && (numbered || m_kind == BookKind::Visuddhi)) return Page(rest);
    if (name == "item" && m_kind == BookKind::Tipitaka) return Item(rest);
    if (name == "link" && numbered) return Link(rest);
    if (name == "heading" || name == "page" || name == "item" || name == "link") {
      Fail("@" + std::string(name) + " has no place in " + KindName(m_kind));
    }
    Fail("unknown directive @" + std::string(name));
  }

  int Number(std::string_view text, const char* what) const {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) {
      Fail(std::string(what) + " must be a whole number, not \"" + std::string(text) + "\"");
    }
    return value;
  }

  void CheckRange(int value, int low, int high, const char* what) const {
    if (value < low || value > high) {
      Fail(std::string(what) + " " + std::to_string(value) + " outside " + std::to_string(low) + "-" +
           std::to_string(high));
    }
  }

  void Heading(std::string_view text) {
    if (text.empty()) Fail("@heading without text");
    m_book.contents.push_back({std::string(text), m_book.lineCount});
    AddTextLine(text);
  }

  // Ends the open page or item before line `next`; it must hold a text line, and not only
  // line 0, which the tables take for an empty slot.
  void CloseRange(std::vector<LineRange>& ranges, const char* what, int next) const {
    if (ranges.empty()) return;
    LineRange& open = ranges.back();
    open.last = next - 1;
    if (open.last < open.first) {
      throw SourceError(m_file.path, open.sourceLine,
                        std::string(what) + " " + std::to_string(open.number) + " has no text lines");
    }
    if (open.last == 0) {
      throw SourceError(m_file.path, open.sourceLine,
                        std::string(what) + " " + std::to_string(open.number) +
                            " holds only text line 0, which the tables take for an empty slot");
    }
  }

  void OpenRange(std::vector<LineRange>& ranges, const char* what, int number, std::string head) {
    if (!ranges.empty() && number <= ranges.back().number) {
      Fail(std::string(what) + " " + std::to_string(number) + " after " + what + " " +
           std::to_string(ranges.back().number) + ": numbers must increase");
    }
    CloseRange(ranges, what, m_book.lineCount);
    ranges.push_back({number, m_book.lineCount, 0, std::move(head), m_line});
  }

  void Page(std::string_view rest) {
    std::string_view numberText = rest, head;
    if (const size_t blank = rest.find_first_of(" \t"); blank != std::string_view::npos) {
      numberText = rest.substr(0, blank);
      head = Trim(rest.substr(blank));
    }
    const int number = Number(numberText, "page number");
    CheckRange(number, 1, m_kind == BookKind::Atthakatha ? kMaxItemNumber : kMaxPage, "page number");
    if (!head.empty() && m_kind == BookKind::Tipitaka) Fail("Tipitaka pages have no running head");
    OpenRange(m_book.pages, "page", number, std::string(head));
  }

  void Item(std::string_view rest) {
    const int number = Number(rest, "item number");
    CheckRange(number, 1, kItemSlotsPerVolume, "item number");
    if (m_book.lineCount == 0) {
      Fail("item " + std::to_string(number) +
           " starts on text line 0, which the item table takes for a missing item; put a title line first");
    }
    OpenRange(m_book.items, "item", number, {});
  }

  void Link(std::string_view rest) {
    const bool tipitaka = m_kind == BookKind::Tipitaka;
    const std::vector<LineRange>& from = tipitaka ? m_book.items : m_book.pages;
    const char* fromName = tipitaka ? "item" : "page";
    if (from.empty()) Fail(std::string("@link before the first @") + fromName);
    const std::vector<std::string_view> args = SplitWords(rest);
    if (args.size() != 2) Fail("@link needs a volume and a " + std::string(tipitaka ? "page" : "item"));
    const int volume = Number(args[0], "link volume");
    const int target = Number(args[1], tipitaka ? "link page" : "link item");
    CheckRange(volume, 1, tipitaka ? kAtthakathaVolumeCount : kTipitakaVolumeCount, tipitaka ? "Atthakatha volume" : "Tipitaka volume");
    CheckRange(target, 1, tipitaka ? kMaxItemNumber : kItemSlotsPerVolume, tipitaka ? "page number" : "item number");
    const int fromNumber = from.back().number;
    if (!tipitaka && fromNumber > kPageSlotsPerVolume) {
      Fail("page " + std::to_string(fromNumber) + " cannot hold a link: the link table ends at page 1300");
    }
    if (!m_book.links.empty() && m_book.links.back().from == fromNumber) {
      Fail(std::string(fromName) + " " + std::to_string(fromNumber) + " already has a link");
    }
    m_book.links.push_back({fromNumber, volume, target, m_line});
  }

  const SourceFile& m_file;
  BookKind m_kind;
  BookText m_book;
  int m_line = 0;
};

const LineRange* FindRange(const std::vector<LineRange>& ranges, int number) {
  const auto it = std::lower_bound(ranges.begin(), ranges.end(), number,
                                   [](const LineRange& r, int n) { return r.number < n; });
  return it != ranges.end() && it->number == number ? &*it : nullptr;
}

}  // namespace

const LineRange* BookText::FindPage(int number) const { return FindRange(pages, number); }
const LineRange* BookText::FindItem(int number) const { return FindRange(items, number); }

BookText ParseBook(const SourceFile& file, BookKind kind) { return BookParser(file, kind).Run(); }

}  // namespace lomarin::mkdata
