#include <gtest/gtest.h>

#include <filesystem>

#include "coding.h"
#include "cp874.h"
#include "fileerror.h"
#include "fileio.h"
#include "fixture.h"
#include "searchrequest.h"

using namespace lomarin;
using lomarin::testing::FixtureLibrary;
using lomarin::testing::FixtureVolume;
using lomarin::testing::TempDir;

namespace {

constexpr int kAtthakatha = 1;
constexpr int kTogether = 16;

// Volume 3 holds items 0 and 5; the word "dhamma" occurs in volumes 3, 7 and 34.
const std::vector<FixtureVolume> kTipitaka = {
    {3, "dhamma vinaya\r\ndhamma dhammo", {{0, 0, 12}, {5, 13, 28}}},
    {7, "x dhamma\r\nvinaya", {}},
    {34, "dhamma vinaya", {}},
};

class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override { library.Write(kTipitaka, {{2, "atthakatha dhamma", {}}}); }

  SearchRequestResult Search(std::string query, int arg = 0, int volume = kAllVolumes, bool readerOpen = false) {
    progress.clear();
    return RunSearchRequest(state, library.DataFolder(), {arg, std::move(query), volume, readerOpen},
                            {[this](int p) { progress.push_back(p); }, nullptr});
  }

  using Rows = std::vector<std::vector<std::string>>;
  Rows RowsFound() const {
    Rows rows;
    for (size_t r = 0; r < state.FoundWords.size(); ++r) {
      rows.push_back({state.FoundWords[r], state.FoundCounts[r], state.FoundOffsets[r]});
    }
    return rows;
  }

  FixtureLibrary library;
  SearchState state;
  std::vector<int> progress;
};

class FakeView : public HitView {
 public:
  explicit FakeView(std::string text) : m_text(std::move(text)) {}
  void SelectRange(int start, int length) override { m_start = start, m_length = length; }
  std::string SelectedText() const override { return m_text.substr(static_cast<size_t>(m_start), static_cast<size_t>(m_length)); }
  void FormatSelection(Rgb colour, bool bold, bool underline) override {
    EXPECT_TRUE(bold && underline);
    EXPECT_EQ(colour, (Rgb{255, 0, 0}));
    marked.push_back(m_text.substr(static_cast<size_t>(m_start), static_cast<size_t>(m_length)));
  }
  void ResetFormat() override { marked.clear(), ++resets; }
  std::vector<std::string> marked;
  int resets = 0;
  int m_start = -1, m_length = -1;

 private:
  std::string m_text;
};

}  // namespace

TEST_F(SearchTest, DictionaryWordsFromTheIndex) {
  SearchRequestResult result = Search("dhamm*");
  EXPECT_EQ(result.outcome, SearchOutcome::Found);
  EXPECT_EQ(result.mode, SearchMode::Single);
  EXPECT_EQ(result.tablePath, library.SearchFolder() + "STAB.TMP");
  // Rows sorted; blocks stay in word-list order (dhamma first, then dhammo).
  EXPECT_EQ(RowsFound(), (Rows{{"dhamma", "4", "0"}, {"dhammo", "1", "24"}}));
  EXPECT_TRUE(progress.empty());  // the index lookup does not move the progress bar

  state.ListWordVolumes(0);
  EXPECT_EQ(state.HitVolumes, (std::vector<std::string>{"3", "7", "34"}));
  EXPECT_EQ(state.HitVolumeLabels, (std::vector<std::string>{"3", "7", "33.2"}));
  EXPECT_EQ(state.HitVolumeCounts, (std::vector<std::string>{"2", "1", "1"}));
  state.ListWordItems(3);
  EXPECT_EQ(state.HitItems, (std::vector<std::string>{"0", "5"}));
  EXPECT_EQ(state.HitItemCounts, (std::vector<std::string>{"1", "1"}));

  // One volume: only the records of that volume, and only words that have some.
  Search("dhamm*", 0, 7);
  EXPECT_EQ(RowsFound(), (Rows{{"dhamma", "1", "0"}}));
  // The Atthakatha index answers from the same word list.
  Search("dhamma", kAtthakatha);
  EXPECT_EQ(RowsFound(), (Rows{{"dhamma", "1", "0"}}));
  state.ListWordVolumes(0);
  EXPECT_EQ(state.HitVolumeLabels, (std::vector<std::string>{"2"}));
}

TEST_F(SearchTest, FullScanWhenNoWordMatches) {
  // No dictionary word; the phrase runs across a line break in volume 7.
  SearchRequestResult result = Search("dhammavinaya");
  EXPECT_EQ(result.outcome, SearchOutcome::Found);
  EXPECT_EQ(RowsFound(), (Rows{{"dhammavinaya", "1", "0"}}));
  EXPECT_EQ(progress.front(), 0);
  EXPECT_EQ(progress.back(), 100);
  EXPECT_EQ(progress.size(), 55u);  // 0, one per volume, 100
  EXPECT_EQ(progress[7], 11);       // volume 7 of 53: 7 / 53 × 80 rounded
  state.ListWordVolumes(0);
  EXPECT_EQ(state.HitVolumes, (std::vector<std::string>{"7"}));
  state.ListWordItems(7);
  state.CurrentItem = 1;
  EXPECT_EQ(state.FirstWordHit(), 2);

  // A chosen volume where the word has no hits is scanned instead; progress 80 after it.
  result = Search("dhammo", 0, 7);
  EXPECT_EQ(result.outcome, SearchOutcome::NotFound);
  EXPECT_EQ(result.message, NothingFoundMessage("dhammo"));
  EXPECT_EQ(progress, (std::vector<int>{0, 80, 100}));
  EXPECT_EQ(std::filesystem::file_size(result.tablePath), 0u);
}

TEST_F(SearchTest, AdjacentAndSameItemTables) {
  SearchRequestResult result = Search("dhamma vinaya");
  EXPECT_EQ(result.mode, SearchMode::Adjacent);
  // In volumes 3 and 7 the pairs are split by a line break only, which does not end a token.
  EXPECT_EQ(RowsFound(), (Rows{{"dhamma vinaya", "1", "0"}}));
  const std::string wordTable = ReadWholeFile(state.WordTablePath());
  ASSERT_EQ(wordTable.size(), 6u);
  EXPECT_EQ(DecodeHitRecord(wordTable.data()), (HitRecord{34, 0}));

  result = Search("vinaya dhamma", kTogether);
  EXPECT_EQ(result.mode, SearchMode::Together);
  EXPECT_TRUE(result.together);
  EXPECT_EQ(result.tablePath, state.PhraseSetTablePath());
  // In any order within one item; item 5 of volume 3 lacks "vinaya".
  EXPECT_EQ(RowsFound(), (Rows{{"vinaya dhamma", "3", "0"}}));
  EXPECT_EQ(ReadWholeFile(state.WordTablePath()), wordTable);  // the other mode's table stays
  state.ListPhraseSetVolumes(0);
  EXPECT_EQ(state.HitVolumes, (std::vector<std::string>{"3", "7", "34"}));
  state.ListPhraseSetItems(3);
  EXPECT_EQ(state.HitItems, (std::vector<std::string>{"0"}));
  state.CurrentItem = 5;
  EXPECT_EQ(state.FirstPhraseSetHit(), -1);  // an item no record holds
  state.CurrentItem = 0;
  EXPECT_EQ(state.FirstPhraseSetHit(), 7);
  EXPECT_EQ(state.NextPhraseSetHit(), -1);  // record 1 is in volume 7
  EXPECT_EQ(state.CurrentHit, 0);
  EXPECT_EQ(state.PrevPhraseSetHit(), 7);  // stays at record 0
  FakeView view("dhamma vinaya\r\ndhamma dhammo");
  state.MarkPhraseSetHits(view, {255, 0, 0});
  EXPECT_EQ(view.marked, (std::vector<std::string>{"vinaya", "dhamma"}));
}

TEST_F(SearchTest, RefusedQueriesTouchNothing) {
  ASSERT_EQ(Search("dhamm*").outcome, SearchOutcome::Found);
  const Rows before = RowsFound();
  const auto tableTime = std::filesystem::last_write_time(state.WordTablePath());
  const struct {
    std::string query;
    int arg;
    bool readerOpen;
  } refused[] = {
      {"   ", 0, false},          {"dhamma", kTogether, false}, {"dh*amma", 0, false},
      {"*", 0, false},            {"d*", 0, false},             {"dhamma **", 0, false},
      {"* *", 0, false},          {"dhamma *", kTogether, false},
      {std::string(256, 'd'), 0, true},
      {"a b c d e f g h i j", 0, true},
  };
  for (const auto& c : refused) {
    const SearchRequestResult result = Search(c.query, c.arg, kAllVolumes, c.readerOpen);
    EXPECT_EQ(result.outcome, SearchOutcome::Refused) << c.query;
    EXPECT_EQ(result.message, RefusedQueryMessage());
    EXPECT_EQ(result.mode, SearchMode::None);
    EXPECT_TRUE(result.tablePath.empty());
  }
  EXPECT_EQ(RowsFound(), before);
  EXPECT_EQ(std::filesystem::last_write_time(state.WordTablePath()), tableTime);
  // One byte after the asterisk is searched once a results reader is open.
  EXPECT_EQ(Search("d*", 0, kAllVolumes, true).outcome, SearchOutcome::Found);
  EXPECT_EQ(Search("  " + std::string(255, 'd') + " ", 0, kAllVolumes, true).outcome, SearchOutcome::NotFound);
  EXPECT_EQ(Search("dhamma *").outcome, SearchOutcome::Found);  // any one token after dhamma
  EXPECT_THROW(Search("dhamma", 0, 54), std::invalid_argument);
}

TEST_F(SearchTest, SteppingStopsAtVolumeChangesAndFileEnds) {
  Search("dhamma");  // table records: (3,0) (3,15) (7,2) (34,0)
  state.ListWordVolumes(0);
  state.ListWordItems(7);
  state.CurrentItem = 1;
  EXPECT_EQ(state.FirstWordHit(), 2);
  EXPECT_EQ(state.CurrentHit, 2);
  EXPECT_EQ(state.PrevWordHit(), -1);  // record 1 is in volume 3: the step is undone
  EXPECT_EQ(state.CurrentHit, 2);
  EXPECT_EQ(state.NextWordHit(), -1);  // record 3 is in volume 34
  state.ListWordItems(34);
  EXPECT_EQ(state.FirstWordHit(), 0);
  EXPECT_EQ(state.NextWordHit(), 0);  // the last record of the file, again
  state.ListWordItems(3);
  state.CurrentItem = 0;
  EXPECT_EQ(state.FirstWordHit(), 0);
  EXPECT_EQ(state.PrevWordHit(), 0);  // record 0, again
  EXPECT_EQ(state.NextWordHit(), 15);
  state.CurrentItem = 9;
  EXPECT_EQ(state.FirstWordHit(), -1);  // an item without hits: nothing past the row
}

TEST_F(SearchTest, MarkingWidensHitsOverLineBreaks) {
  Search("dhammavinaya");
  state.ListWordVolumes(0);
  state.ListWordItems(7);
  FakeView view("x dhamma\r\nvinaya");
  state.MarkWordHits(view, {255, 0, 0});
  EXPECT_EQ(view.resets, 1);
  EXPECT_EQ(view.marked, (std::vector<std::string>{"dhamma\r\nvinaya"}));
  EXPECT_EQ(view.m_start, 0);  // selection back to (0, 0)
  EXPECT_EQ(view.m_length, 0);
  state.ListWordItems(3);  // nothing in volume 3
  state.MarkWordHits(view, {255, 0, 0});
  EXPECT_TRUE(view.marked.empty());
}

TEST_F(SearchTest, DamagedTablesAreErrors) {
  Search("dhamma");
  std::string table;
  PutHitRecord(table, {3, 0});
  PutHitRecord(table, {89, 0});
  WriteFileAtomically(state.WordTablePath(), table);
  EXPECT_THROW(state.ListWordVolumes(0), FileError);  // volume outside 1 … 88
  WriteFileAtomically(state.WordTablePath(), table.substr(0, 6));
  EXPECT_THROW(state.ListWordVolumes(0), FileError);  // the row runs past the table
  // An item number beyond 2600 in the position table.
  WritePositionTables(library.SearchFolder(), Collection::Tipitaka, {{}, {}, {{2601, 0, 100}}});
  WriteFileAtomically(state.WordTablePath(), table.substr(0, 6) + table.substr(0, 6) + table.substr(0, 6) + table.substr(0, 6));
  EXPECT_THROW(state.ListWordItems(3), FileError);
  std::filesystem::remove(state.WordTablePath());
  EXPECT_THROW(state.NextWordHit(), FileError);
}

TEST(SearchTables, GoToTheFallbackFolderWhenTheSearchFolderIsReadOnly) {
  FixtureLibrary library;
  library.Write(kTipitaka);
  TempDir fallback;
  SearchState state({fallback.Path("Lomarin/"), VolumeTextCache::kDefaultBudget, [](const std::string&) { return false; }});
  const SearchRequestResult result = RunSearchRequest(state, library.DataFolder(), {0, "dhamma", kAllVolumes, false});
  EXPECT_EQ(result.tablePath, fallback.Path("Lomarin/STAB.TMP"));
  EXPECT_TRUE(std::filesystem::exists(result.tablePath));
  EXPECT_FALSE(std::filesystem::exists(library.SearchFolder() + "STAB.TMP"));
  state.ListWordVolumes(0);
  EXPECT_EQ(state.HitVolumes.size(), 3u);
}
