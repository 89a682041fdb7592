#include "corpus.h"

#include <algorithm>
#include <filesystem>

#include "bookfiles.h"
#include "cp874.h"
#include "fileio.h"
#include "indexformat.h"
#include "thaidigits.h"

namespace lomarin::mkcorpus {
namespace {

constexpr int kAverageLinesPerPage = 35;
constexpr int kAverageLineBytes = 96;  // with its CR LF and the directives around it
constexpr int kLinesPerItem = 7;

// SplitMix64: small, fast and the same on every platform.
class Random {
 public:
  explicit Random(uint64_t seed) : m_state(seed) {}
  uint64_t Next() {
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Between(int low, int high) { return low + static_cast<int>(Next() % static_cast<uint64_t>(high - low + 1)); }
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

 private:
  uint64_t m_state;
};

uint64_t VolumeSeed(uint64_t seed, int collection, int volume) {
  Random r(seed ^ (static_cast<uint64_t>(collection) << 40) ^ static_cast<uint64_t>(volume) << 20);
  return r.Next();
}

// Words drawn with probability proportional to 1 / rank, ranks shuffled by the seed.
class ZipfWords {
 public:
  ZipfWords(std::vector<std::string> words, uint64_t seed) : m_words(std::move(words)) {
    Random r(seed);
    for (size_t i = m_words.size(); i > 1; --i) std::swap(m_words[i - 1], m_words[r.Next() % i]);
    double total = 0;
    for (size_t rank = 0; rank < m_words.size(); ++rank) m_cumulative.push_back(total += 1.0 / (rank + 1.0));
  }
  const std::string& Draw(Random& r) const {
    const double u = r.Unit() * m_cumulative.back();
    const size_t i = std::upper_bound(m_cumulative.begin(), m_cumulative.end(), u) - m_cumulative.begin();
    return m_words[std::min(i, m_words.size() - 1)];
  }

 private:
  std::vector<std::string> m_words;
  std::vector<double> m_cumulative;
};

// The page and item counts of every volume, fixed before any text is made so that the
// links of both collections can point at pages and items that will exist.
struct VolumePlan {
  int pages = 0;
  int items = 0;  // Tipitaka only
};

struct Plan {
  std::vector<VolumePlan> tipitaka, atthakatha;
};

Plan MakePlan(const CorpusOptions& options) {
  Plan plan;
  const auto pagesFor = [&](double megabytes) {
    const double bytes = megabytes * 1024 * 1024 * options.scale;
    return std::max(2, static_cast<int>(bytes / (kAverageLinesPerPage * kAverageLineBytes)));
  };
  for (int v = 1; v <= kTipitakaVolumeCount; ++v) {
    Random r(VolumeSeed(options.seed, 0, v));
    const int pages = pagesFor(1.0 + r.Unit());
    plan.tipitaka.push_back({pages, std::min(kItemSlotsPerVolume, pages * kAverageLinesPerPage / kLinesPerItem)});
  }
  for (int v = 1; v <= kAtthakathaVolumeCount; ++v) {
    Random r(VolumeSeed(options.seed, 1, v));
    plan.atthakatha.push_back({std::min(kMaxItemNumber, pagesFor(0.6 + 1.07 * r.Unit())), 0});
  }
  return plan;
}

// The volume of the other collection that a volume's links point into.
int PartnerVolume(int volume, int fromCount, int toCount) { return 1 + (volume - 1) * toCount / fromCount; }

// Position `index` of `count` spread over 1 … targetCount.
int Spread(int index, int count, int targetCount) {
  return 1 + static_cast<int>(static_cast<int64_t>(index - 1) * targetCount / std::max(count, 1));
}

class VolumeWriter {
 public:
  VolumeWriter(const ZipfWords& words, uint64_t seed) : m_words(words), m_random(seed) {}

  std::string& Text() { return m_text; }

  void Directive(const std::string& line) { m_text.append(line).append("\n"); }

  void Phrase() {
    const int words = m_random.Between(1, 3);
    for (int i = 0; i < words; ++i) m_text.append(m_words.Draw(m_random));
  }

  void TextLine() {
    const size_t start = m_text.size();
    const size_t length = static_cast<size_t>(m_random.Between(40, 120));
    Phrase();
    while (m_text.size() - start < length) {
      m_text.push_back(' ');
      Phrase();
    }
    m_text.push_back('\n');
  }

  std::string Heading() {
    const size_t start = m_text.size();
    for (int i = 0; i < 3; ++i) Phrase();
    std::string heading = m_text.substr(start);
    m_text.resize(start);
    return heading;
  }

  int LinesOfPage() { return m_random.Between(30, 40); }

 private:
  const ZipfWords& m_words;
  Random m_random;
  std::string m_text;
};

std::string Utf8(const char* text) {
  std::string bytes;
  Utf8ToCp874(text, bytes);
  return bytes;
}

std::string TipitakaVolume(const ZipfWords& words, const Plan& plan, uint64_t seed, int v) {
  const VolumePlan& me = plan.tipitaka[v - 1];
  const int partner = PartnerVolume(v, kTipitakaVolumeCount, kAtthakathaVolumeCount);
  const int partnerPages = std::min(plan.atthakatha[partner - 1].pages, kPageSlotsPerVolume);
  VolumeWriter w(words, VolumeSeed(seed, 2, v));
  int item = 1;
  for (int page = 1; page <= me.pages; ++page) {
    w.Directive("@page " + std::to_string(page));
    const int lines = w.LinesOfPage();
    // The items whose place falls on this page, spread over its lines (never on line 0).
    const int lastItem = static_cast<int>(static_cast<int64_t>(page) * me.items / me.pages);
    const int itemsHere = std::max(0, lastItem - item + 1);
    const int first = page == 1 ? 1 : 0;
    int placed = 0;
    for (int line = 0; line < lines; ++line) {
      if (line < first) {
        w.Text().append(Utf8("พระไตรปิฎก เล่ม ")).append(ThaiDigits(v)).append("\n");
        continue;
      }
      if (placed < itemsHere && line == first + placed * (lines - first) / itemsHere) {
        w.Directive("@item " + std::to_string(item));
        w.Directive("@link " + std::to_string(partner) + " " + std::to_string(Spread(item, me.items, partnerPages)));
        ++placed;
        if (item++ % 40 == 1) {
          w.Directive("@heading " + w.Heading());  // the item's first line
          continue;
        }
      }
      w.TextLine();
    }
  }
  return std::move(w.Text());
}

std::string AtthakathaVolume(const ZipfWords& words, const Plan& plan, uint64_t seed, int v) {
  const VolumePlan& me = plan.atthakatha[v - 1];
  const int partner = PartnerVolume(v, kAtthakathaVolumeCount, kTipitakaVolumeCount);
  const int partnerItems = plan.tipitaka[partner - 1].items;
  const std::string title = Utf8("อรรถกถา เล่ม ") + ThaiDigits(v);
  VolumeWriter w(words, VolumeSeed(seed, 3, v));
  for (int page = 1; page <= me.pages; ++page) {
    w.Directive("@page " + std::to_string(page) + " " + title + Utf8(" หน้า ") + ThaiDigits(page));
    if (page <= kPageSlotsPerVolume) {
      w.Directive("@link " + std::to_string(partner) + " " +
                  std::to_string(Spread(page, std::min(me.pages, kPageSlotsPerVolume), partnerItems)));
    }
    int lines = w.LinesOfPage();
    if (page == 1) {
      w.Text().append(title).append("\n");
      --lines;
    }
    if (page % 8 == 1) {
      w.Directive("@heading " + w.Heading());
      --lines;
    }
    for (int line = 0; line < lines; ++line) w.TextLine();
  }
  return std::move(w.Text());
}

std::string Titles(const char* prefix, int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += Utf8(prefix) + ThaiDigits(i) + "\n";
  return text;
}

}  // namespace

std::vector<std::string> ReadWordList(const std::string& path) {
  const std::string raw = ReadWholeFile(path);
  std::vector<std::string> words;
  size_t start = 0;
  while (start < raw.size()) {
    size_t end = raw.find('\n', start);
    if (end == std::string::npos) end = raw.size();
    std::string_view line(raw.data() + start, end - start);
    start = end + 1;
    line = line.substr(0, line.find_first_of("/\r\t "));
    std::string word;
    if (line.empty() || line.find_first_not_of("0123456789") == std::string_view::npos) continue;
    if (!Utf8ToCp874(line, word)) continue;
    words.push_back(std::move(word));
  }
  return words;
}

void WriteCorpus(const std::vector<std::string>& wordList, const CorpusOptions& options, const std::string& folder) {
  namespace fs = std::filesystem;
  const std::string root = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  for (const char* sub : {"tipitaka", "atthakatha", "visuddhi", "chants"}) fs::create_directories(root + sub);
  const ZipfWords words(wordList, options.seed);
  const Plan plan = MakePlan(options);
  WriteFileAtomically(root + "tipitaka/titles.lst", Titles("พระไตรปิฎก เล่ม ", kTipitakaVolumeCount));
  WriteFileAtomically(root + "atthakatha/titles.lst", Titles("อรรถกถา เล่ม ", kAtthakathaVolumeCount));
  WriteFileAtomically(root + "visuddhi/titles.lst", Titles("วิสุทธิมรรค ภาค ", 6));
  WriteFileAtomically(root + "chants/titles.lst", Titles("บทสวด ชุดที่ ", 4));
  for (int v = 1; v <= kTipitakaVolumeCount; ++v) {
    WriteFileAtomically(root + "tipitaka/" + VolumeMemberName("", v, ".txt"), TipitakaVolume(words, plan, options.seed, v));
  }
  for (int v = 1; v <= kAtthakathaVolumeCount; ++v) {
    WriteFileAtomically(root + "atthakatha/" + VolumeMemberName("", v, ".txt"), AtthakathaVolume(words, plan, options.seed, v));
  }
}

}  // namespace lomarin::mkcorpus
