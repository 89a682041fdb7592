#include "searchindex.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <numeric>
#include <unordered_map>

#include "indexwriter.h"
#include "parallel.h"
#include "wordbreaker.h"

namespace lomarin::mkdata {
namespace {

// The words of one volume: its distinct words and, in text order, each hit as the
// word's local number and its byte position.
struct VolumeWords {
  std::vector<std::string> words;
  std::vector<std::pair<uint32_t, int32_t>> hits;
};

VolumeWords CollectWords(std::string_view text, WordBreaker& breaker) {
  VolumeWords out;
  std::unordered_map<std::string_view, uint32_t> numbers;
  breaker.ForEachWord(text, [&](std::string_view word, int32_t position) {
    const auto [it, added] = numbers.try_emplace(word, static_cast<uint32_t>(numbers.size()));
    if (added) out.words.emplace_back(word);
    out.hits.emplace_back(it->second, position);
  });
  return out;
}

// Gathers the volumes' words under one numbering as they are cut.
class WordMerger {
 public:
  void Add(Collection c, int volume, VolumeWords&& v) {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<uint32_t> global(v.words.size());
    for (size_t i = 0; i < v.words.size(); ++i) {
      const auto [it, added] = m_numbers.try_emplace(v.words[i], static_cast<uint32_t>(m_words.size()));
      if (added) {
        m_words.push_back(std::move(v.words[i]));
        m_hits[0].emplace_back();
        m_hits[1].emplace_back();
      }
      global[i] = it->second;
    }
    auto& hits = m_hits[c == Collection::Tipitaka ? 0 : 1];
    for (const auto& [local, position] : v.hits) {
      hits[global[local]].push_back({static_cast<uint16_t>(volume), position});
    }
  }

  // The words sorted by their bytes, the hits renumbered to match (the index writer
  // orders each word's hits).
  void Finish(SearchIndex& index) {
    std::vector<uint32_t> order(m_words.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return m_words[a] < m_words[b]; });
    index.words.reserve(order.size());
    index.tipitaka.hitsPerWord.reserve(order.size());
    index.atthakatha.hitsPerWord.reserve(order.size());
    for (const uint32_t w : order) {
      index.words.push_back(std::move(m_words[w]));
      index.tipitaka.hitsPerWord.push_back(std::move(m_hits[0][w]));
      index.atthakatha.hitsPerWord.push_back(std::move(m_hits[1][w]));
    }
  }

 private:
  std::mutex m_mutex;
  std::unordered_map<std::string, uint32_t> m_numbers;
  std::vector<std::string> m_words;
  std::vector<std::vector<HitRecord>> m_hits[2];
};

}  // namespace

std::vector<PositionRecord> BuildPositionTable(const BookText& book, const std::vector<LineRange>& ranges) {
  std::vector<PositionRecord> records;
  const auto lineStart = [&](int line) {
    return line < book.lineCount ? static_cast<int32_t>(book.lineStarts[line]) : static_cast<int32_t>(book.text.size());
  };
  int32_t covered = 0;
  for (const LineRange& r : ranges) {
    const int32_t start = lineStart(r.first);
    const int32_t end = lineStart(r.last + 1) - 1;
    if (start > covered) records.push_back({0, covered, start - 1});
    records.push_back({static_cast<uint16_t>(r.number), start, end});
    covered = end + 1;
  }
  const auto size = static_cast<int32_t>(book.text.size());
  if (covered < size) records.push_back({0, covered, size - 1});
  return records;
}

SearchIndex BuildSearchIndex(const LibrarySource& library) {
  struct Job {
    Collection collection;
    int volume;
    const BookText* book;
  };
  std::vector<Job> jobs;
  for (int v = 1; v <= kTipitakaVolumeCount; ++v) {
    if (library.tipitaka[v - 1]) jobs.push_back({Collection::Tipitaka, v, &*library.tipitaka[v - 1]});
  }
  for (int v = 1; v <= kAtthakathaVolumeCount; ++v) {
    if (library.atthakatha[v - 1]) jobs.push_back({Collection::Atthakatha, v, &*library.atthakatha[v - 1]});
  }

  SearchIndex index;
  index.tipitaka.positions.resize(kTipitakaVolumeCount);
  index.atthakatha.positions.resize(kAtthakathaVolumeCount);
  ByteFrequencyCounter counters[2];
  std::mutex countMutex;
  WordMerger merger;
  ParallelFor(jobs.size(), [&](size_t i) {
    thread_local std::unique_ptr<WordBreaker> breaker;
    if (!breaker) breaker = std::make_unique<WordBreaker>();
    const Job& job = jobs[i];
    const bool tipitaka = job.collection == Collection::Tipitaka;
    CollectionIndex& target = tipitaka ? index.tipitaka : index.atthakatha;
    target.positions[job.volume - 1] =
        BuildPositionTable(*job.book, tipitaka ? job.book->items : job.book->pages);
    merger.Add(job.collection, job.volume, CollectWords(job.book->text, *breaker));
    std::lock_guard<std::mutex> lock(countMutex);
    counters[tipitaka ? 0 : 1].Add(job.book->text);
  });
  index.tipitaka.byteCounts = counters[0].Counts();
  index.atthakatha.byteCounts = counters[1].Counts();
  merger.Finish(index);
  return index;
}

}  // namespace lomarin::mkdata
