// search [--atthakatha] [--volume N] [--together] [--results-open] [--json] QUERY: one
// search request as the desktop runs it, then what the results reader would list: rows,
// their volumes, the items (pages) of each volume and the hits of each item in stepping
// order.
#include <cstdio>
#include <cstdlib>

#include "cli.h"
#include "cp874.h"
#include "searchrequest.h"

namespace lomarin::cli {
namespace {

constexpr const char* kSearchUsage = "search [--atthakatha] [--volume N] [--together] [--results-open] [--json] QUERY";

struct SearchOptions {
  bool atthakatha = false, together = false, resultsOpen = false, json = false;
  int volume = kAllVolumes;
  std::string query;
};

SearchOptions ParseSearchOptions(const std::vector<std::string>& args) {
  SearchOptions options;
  std::vector<std::string> positional;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.rfind("--", 0) != 0) {
      positional.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--atthakatha") {
      options.atthakatha = true;
    } else if (arg == "--together") {
      options.together = true;
    } else if (arg == "--results-open") {
      options.resultsOpen = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--volume" && i + 1 < args.size()) {
      options.volume = ParseInt(args[++i]);
    } else {
      throw UsageError("unknown option " + arg + "\nusage: lomarin-cli " + kSearchUsage);
    }
  }
  ExpectArgCount(positional, 1, kSearchUsage);
  options.query = ToCp874(positional[0]);
  const int last = VolumeCount(options.atthakatha ? Collection::Atthakatha : Collection::Tipitaka);
  if (options.volume != kAllVolumes && (options.volume < 1 || options.volume > last)) {
    throw UsageError("volume " + std::to_string(options.volume) + " outside 1 … " + std::to_string(last));
  }
  return options;
}

// The per-user folder for hit tables when the library's folder is read-only.
std::string UserDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/Lomarin/";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.local/share/Lomarin/";
}

struct ItemListing {
  int number = 0, count = 0;
  std::vector<int> hits;
};
struct VolumeListing {
  int volume = 0, count = 0;
  std::string label;
  std::vector<ItemListing> items;
};

// What the results reader shows for one row: its volumes, their items and the hits
// of each item, first hit then stepping forward.
std::vector<VolumeListing> ListRow(SearchState& state, bool together, int row) {
  together ? state.ListPhraseSetVolumes(row) : state.ListWordVolumes(row);
  std::vector<VolumeListing> volumes;
  for (size_t v = 0; v < state.HitVolumes.size(); ++v) {
    volumes.push_back({std::stoi(state.HitVolumes[v]), std::stoi(state.HitVolumeCounts[v]), state.HitVolumeLabels[v], {}});
  }
  for (VolumeListing& volume : volumes) {
    together ? state.ListPhraseSetItems(volume.volume) : state.ListWordItems(volume.volume);
    const std::vector<std::string> items = state.HitItems, counts = state.HitItemCounts;
    for (size_t i = 0; i < items.size(); ++i) {
      ItemListing item{std::stoi(items[i]), std::stoi(counts[i]), {}};
      state.CurrentItem = item.number;
      item.hits.push_back(together ? state.FirstPhraseSetHit() : state.FirstWordHit());
      while (static_cast<int>(item.hits.size()) < item.count) {
        item.hits.push_back(together ? state.NextPhraseSetHit() : state.NextWordHit());
      }
      volume.items.push_back(std::move(item));
    }
  }
  return volumes;
}

std::string JsonString(const std::string& utf8) {
  std::string quoted = "\"";
  for (const char c : utf8) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string Hex(const std::string& bytes) {
  std::string hex;
  for (const char c : bytes) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned char>(c));
    hex += pair;
  }
  return hex;
}

const char* ModeName(SearchMode mode) {
  switch (mode) {
    case SearchMode::Single: return "single";
    case SearchMode::Adjacent: return "adjacent";
    case SearchMode::Together: return "together";
    case SearchMode::None: break;
  }
  return "";
}

const char* StatusName(SearchOutcome outcome) {
  switch (outcome) {
    case SearchOutcome::Found: return "ok";
    case SearchOutcome::NotFound: return "notfound";
    case SearchOutcome::Refused: break;
  }
  return "refused";
}

void PrintJson(std::ostream& out, SearchState& state, const SearchRequestResult& result) {
  out << "{\"status\":\"" << StatusName(result.outcome) << "\",\"message\":" << JsonString(Cp874ToUtf8(result.message))
      << ",\"mode\":\"" << ModeName(result.mode) << "\",\"table\":" << JsonString(result.tablePath) << ",\"rows\":[";
  if (result.outcome == SearchOutcome::Found) {
    for (size_t r = 0; r < state.FoundWords.size(); ++r) {
      out << (r ? "," : "") << "{\"text\":" << JsonString(Cp874ToUtf8(state.FoundWords[r])) << ",\"bytes\":\""
          << Hex(state.FoundWords[r]) << "\",\"count\":" << state.FoundCounts[r] << ",\"offset\":" << state.FoundOffsets[r]
          << ",\"volumes\":[";
      const std::vector<VolumeListing> volumes = ListRow(state, result.together, static_cast<int>(r));
      for (size_t v = 0; v < volumes.size(); ++v) {
        out << (v ? "," : "") << "{\"volume\":" << volumes[v].volume << ",\"label\":" << JsonString(volumes[v].label)
            << ",\"count\":" << volumes[v].count << ",\"items\":[";
        for (size_t i = 0; i < volumes[v].items.size(); ++i) {
          const ItemListing& item = volumes[v].items[i];
          out << (i ? "," : "") << "{\"number\":" << item.number << ",\"count\":" << item.count << ",\"hits\":[";
          for (size_t h = 0; h < item.hits.size(); ++h) out << (h ? "," : "") << item.hits[h];
          out << "]}";
        }
        out << "]}";
      }
      out << "]}";
    }
  }
  out << "]}\n";
}

void PrintListing(std::ostream& out, SearchState& state, const SearchRequestResult& result) {
  if (result.outcome != SearchOutcome::Found) {
    out << Cp874ToUtf8(result.message) << '\n';
    return;
  }
  const char* itemWord = state.SearchInAtthakatha ? "page" : "item";
  for (size_t r = 0; r < state.FoundWords.size(); ++r) {
    out << Cp874ToUtf8(state.FoundWords[r]) << "\t" << state.FoundCounts[r] << '\n';
    for (const VolumeListing& volume : ListRow(state, result.together, static_cast<int>(r))) {
      out << "  volume " << volume.label << " (file " << volume.volume << ")\t" << volume.count << '\n';
      for (const ItemListing& item : volume.items) {
        out << "    " << itemWord << ' ' << item.number << '\t' << item.count << '\t';
        for (size_t h = 0; h < item.hits.size(); ++h) out << (h ? " " : "") << item.hits[h];
        out << '\n';
      }
    }
  }
}

}  // namespace

int RunSearch(Context& ctx, const std::vector<std::string>& args) {
  const SearchOptions options = ParseSearchOptions(args);
  SearchState state({UserDataFolder(), VolumeTextCache::kDefaultBudget, nullptr});
  const SearchRequest request{(options.atthakatha ? 1 : 0) + (options.together ? 16 : 0), options.query, options.volume,
                              options.resultsOpen};
  const SearchRequestResult result = RunSearchRequest(state, ctx.dataFolder, request);
  options.json ? PrintJson(ctx.out, state, result) : PrintListing(ctx.out, state, result);
  return result.outcome == SearchOutcome::Found ? kOk : kNo;
}

}  // namespace lomarin::cli
