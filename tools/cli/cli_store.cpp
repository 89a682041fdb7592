// store OPERATION ARG...: one operation of the book data store, named as the store names
// it, with integer arguments; its answer on one line (loaders: every line). The data
// folder's "bible/", "others/" and "link/" are set as the desktop sets them.
#include <algorithm>
#include <map>

#include "attaproc.h"
#include "cli.h"
#include "cp874.h"
#include "milinproc.h"
#include "saraproc.h"
#include "tipiproc.h"
#include "tlinkaproc.h"
#include "wisutproc.h"

namespace lomarin::cli {
namespace {

using Args = std::vector<int>;

struct Operation {
  const char* arguments;  // for the usage line
  int (*run)(Context&, const Args&);
};

int PrintInteger(Context& ctx, long long value) {
  ctx.out << value << '\n';
  return kOk;
}

// Low 16 bits, then high 16 bits.
int PrintHalves(Context& ctx, uint32_t value) {
  ctx.out << (value & 0xFFFF) << ' ' << (value >> 16) << '\n';
  return kOk;
}

int PrintText(Context& ctx, const std::string& text) {
  ctx.out << Cp874ToUtf8(text) << '\n';
  return kOk;
}

// Every line of a loader's answer; exit 1 and nothing printed when it answers false.
int PrintLoaded(Context& ctx, bool (*load)(const Args&, TextTarget&), const Args& a) {
  LineList list;
  if (!load(a, list)) return kNo;
  for (const std::string& line : list.lines) ctx.out << Cp874ToUtf8(line) << '\n';
  return kOk;
}

const std::map<std::string, Operation>& Operations() {
  static const std::map<std::string, Operation> operations = {
      {"TipitakaContentsLine", {"V E", [](Context& c, const Args& a) { return PrintInteger(c, TipitakaContentsLine(a[0], a[1])); }}},
      {"TipitakaPageOfLine", {"V L", [](Context& c, const Args& a) { return PrintInteger(c, TipitakaPageOfLine(a[0], a[1])); }}},
      {"TipitakaPageFirstLine", {"V P", [](Context& c, const Args& a) { return PrintInteger(c, TipitakaPageFirstLine(a[0], a[1])); }}},
      {"TipitakaItemOfLine", {"V L", [](Context& c, const Args& a) { return PrintInteger(c, TipitakaItemOfLine(a[0], a[1])); }}},
      {"TipitakaItemLines", {"V I", [](Context& c, const Args& a) { return PrintHalves(c, TipitakaItemLines(a[0], a[1])); }}},
      {"AtthakathaContentsLine", {"V E", [](Context& c, const Args& a) { return PrintInteger(c, AtthakathaContentsLine(a[0], a[1])); }}},
      {"AtthakathaPageOfLine", {"V L", [](Context& c, const Args& a) { return PrintInteger(c, AtthakathaPageOfLine(a[0], a[1])); }}},
      {"AtthakathaPageFirstLine", {"V P", [](Context& c, const Args& a) { return PrintInteger(c, AtthakathaPageFirstLine(a[0], a[1])); }}},
      {"AtthakathaPageHeader", {"V L", [](Context& c, const Args& a) { return PrintText(c, AtthakathaPageHeader(a[0], a[1])); }}},
      {"MilindaContentsLine", {"E", [](Context& c, const Args& a) { return PrintInteger(c, MilindaContentsLine(a[0])); }}},
      {"VisuddhiContentsLine", {"PART E", [](Context& c, const Args& a) { return PrintInteger(c, VisuddhiContentsLine(a[0], a[1])); }}},
      {"VisuddhiPageOfLine", {"PART L", [](Context& c, const Args& a) { return PrintInteger(c, VisuddhiPageOfLine(a[0], a[1])); }}},
      {"VisuddhiPageHeader", {"PART L", [](Context& c, const Args& a) { return PrintText(c, VisuddhiPageHeader(a[0], a[1])); }}},
      {"VisuddhiPageLines", {"PART P", [](Context& c, const Args& a) {
         int first = 0, last = 0;
         VisuddhiPageLines(a[0], a[1], first, last);
         c.out << first << ' ' << last << '\n';
         return static_cast<int>(kOk);
       }}},
      {"TipitakaToAtthakatha", {"V I", [](Context& c, const Args& a) { return PrintHalves(c, TipitakaToAtthakatha(a[0], a[1])); }}},
      {"AtthakathaToTipitaka", {"V P", [](Context& c, const Args& a) { return PrintHalves(c, AtthakathaToTipitaka(a[0], a[1])); }}},
      {"LoadTipitakaText", {"V", [](Context& c, const Args& a) {
         return PrintLoaded(c, [](const Args& x, TextTarget& t) { return LoadTipitakaText(x[0], t); }, a);
       }}},
      {"LoadTipitakaContents", {"V", [](Context& c, const Args& a) {
         return PrintLoaded(c, [](const Args& x, TextTarget& t) { return LoadTipitakaContents(x[0], t); }, a);
       }}},
      {"LoadAtthakathaText", {"V", [](Context& c, const Args& a) {
         return PrintLoaded(c, [](const Args& x, TextTarget& t) { return LoadAtthakathaText(x[0], t); }, a);
       }}},
      {"LoadAtthakathaContents", {"V", [](Context& c, const Args& a) {
         return PrintLoaded(c, [](const Args& x, TextTarget& t) { return LoadAtthakathaContents(x[0], t); }, a);
       }}},
      {"LoadMilindaText", {"", [](Context& c, const Args& a) {
         return PrintLoaded(c, [](const Args&, TextTarget& t) { return LoadMilindaText(t); }, a);
       }}},
      {"LoadMilindaContents", {"", [](Context& c, const Args& a) {
         return PrintLoaded(c, [](const Args&, TextTarget& t) { return LoadMilindaContents(t); }, a);
       }}},
      {"LoadVisuddhiText", {"PART", [](Context& c, const Args& a) {
         return PrintLoaded(c, [](const Args& x, TextTarget& t) { return LoadVisuddhiText(x[0], t); }, a);
       }}},
      {"LoadVisuddhiContents", {"PART", [](Context& c, const Args& a) {
         return PrintLoaded(c, [](const Args& x, TextTarget& t) { return LoadVisuddhiContents(x[0], t); }, a);
       }}},
      {"LoadEncyclopediaIndex", {"", [](Context& c, const Args& a) {
         return PrintLoaded(c, [](const Args&, TextTarget& t) { return LoadEncyclopediaIndex(t); }, a);
       }}},
      {"LoadEncyclopediaArticle", {"I", [](Context& c, const Args& a) {
         return PrintLoaded(c, [](const Args& x, TextTarget& t) { return LoadEncyclopediaArticle(x[0], t); }, a);
       }}},
  };
  return operations;
}

size_t ArgumentCount(const char* arguments) {
  const std::string text = arguments;
  if (text.empty()) return 0;
  return 1 + static_cast<size_t>(std::count(text.begin(), text.end(), ' '));
}

}  // namespace

int RunStore(Context& ctx, const std::vector<std::string>& args) {
  if (args.empty()) throw UsageError("usage: lomarin-cli store OPERATION ARG...");
  const auto operation = Operations().find(args[0]);
  if (operation == Operations().end()) throw UsageError("unknown store operation " + args[0]);
  const Operation& op = operation->second;
  const std::string usage = "store " + args[0] + (*op.arguments ? " " : "") + op.arguments;
  ExpectArgCount(args, 1 + ArgumentCount(op.arguments), usage.c_str());
  Args numbers;
  for (size_t i = 1; i < args.size(); ++i) numbers.push_back(ParseInt(args[i]));

  const std::string bible = ctx.dataFolder + "bible/";
  const std::string others = ctx.dataFolder + "others/";
  SetTipitakaFolder(bible);
  SetAtthakathaFolder(bible);
  SetMilindaFolder(others);
  SetVisuddhiFolder(others);
  SetEncyclopediaFolder(others);
  SetLinkFolder(ctx.dataFolder + "link/");
  return op.run(ctx, numbers);
}

}  // namespace lomarin::cli
