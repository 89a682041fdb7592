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

// One volume's hits under the shared word numbering, in text order.
struct VolumeHits {
  std::vector<uint32_t> words;
  std::vector<int32_t> positions;
};

// Numbers the words of all volumes as they are cut; the hits are gathered per word at the
// end, volume by volume, so each word's hits come out ordered by volume and position.
class WordNumbering {
 public:
  VolumeHits Number(VolumeWords&& v) {
    std::vector<uint32_t> global(v.words.size());
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      for (size_t i = 0; i < v.words.size(); ++i) {
        const auto [it, added] = m_numbers.try_emplace(v.words[i], static_cast<uint32_t>(m_words.size()));
        if (added) m_words.push_back(std::move(v.words[i]));
        global[i] = it->second;
      }
    }
    VolumeHits hits;
    hits.words.reserve(v.hits.size());
    hits.positions.reserve(v.hits.size());
    for (const auto& [local, position] : v.hits) {
      hits.words.push_back(global[local]);
      hits.positions.push_back(position);
    }
    return hits;
  }

  // The words sorted by their bytes; order[k] is the number of the k-th of them.
  std::vector<std::string> SortedWords(std::vector<uint32_t>& order) {
    order.resize(m_words.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return m_words[a] < m_words[b]; });
    std::vector<std::string> sorted;
    sorted.reserve(order.size());
    for (const uint32_t w : order) sorted.push_back(std::move(m_words[w]));
    return sorted;
  }

 private:
  std::mutex m_mutex;
  std::unordered_map<std::string, uint32_t> m_numbers;
  std::vector<std::string> m_words;
};

// Each word's hits of one collection, from its volumes' hits (freed on the way), sized
// exactly and indexed by the sorted word list.
std::vector<std::vector<HitRecord>> GatherHits(std::vector<std::pair<int, VolumeHits>>& volumes,
                                               const std::vector<uint32_t>& order) {
  std::vector<uint32_t> rank(order.size());
  for (uint32_t k = 0; k < order.size(); ++k) rank[order[k]] = k;
  std::vector<size_t> counts(order.size());
  for (const auto& [volume, hits] : volumes) {
    for (const uint32_t w : hits.words) ++counts[rank[w]];
  }
  std::vector<std::vector<HitRecord>> perWord(order.size());
  for (size_t k = 0; k < perWord.size(); ++k) perWord[k].reserve(counts[k]);
  for (auto& [volume, hits] : volumes) {
    for (size_t i = 0; i < hits.words.size(); ++i) {
      perWord[rank[hits.words[i]]].push_back({static_cast<uint16_t>(volume), hits.positions[i]});
    }
    hits = {};
  }
  return perWord;
}

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
  WordNumbering numbering;
  std::vector<std::pair<int, VolumeHits>> hits[2];
  for (const Job& job : jobs) hits[job.collection == Collection::Tipitaka ? 0 : 1].emplace_back(job.volume, VolumeHits{});
  const size_t tipitakaJobs = hits[0].size();
  ParallelFor(jobs.size(), [&](size_t i) {
    thread_local std::unique_ptr<WordBreaker> breaker;
    if (!breaker) breaker = std::make_unique<WordBreaker>();
    const Job& job = jobs[i];
    const bool tipitaka = job.collection == Collection::Tipitaka;
    CollectionIndex& target = tipitaka ? index.tipitaka : index.atthakatha;
    target.positions[job.volume - 1] = BuildPositionTable(*job.book, tipitaka ? job.book->items : job.book->pages);
    VolumeHits volumeHits = numbering.Number(CollectWords(job.book->text, *breaker));
    (tipitaka ? hits[0][i] : hits[1][i - tipitakaJobs]).second = std::move(volumeHits);
    std::lock_guard<std::mutex> lock(countMutex);
    counters[tipitaka ? 0 : 1].Add(job.book->text);
  });
  index.tipitaka.byteCounts = counters[0].Counts();
  index.atthakatha.byteCounts = counters[1].Counts();
  std::vector<uint32_t> order;
  index.words = numbering.SortedWords(order);
  index.tipitaka.hitsPerWord = GatherHits(hits[0], order);
  index.atthakatha.hitsPerWord = GatherHits(hits[1], order);
  return index;
}

}  // namespace lomarin::mkdata
