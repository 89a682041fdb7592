// Every kind of bad source stops the compiler with its file and line, and leaves no
// output behind: neither a new library nor a half-written one beside it.
#include <gtest/gtest.h>

#include <filesystem>

#include "fileerror.h"
#include "fileio.h"
#include "librarywriter.h"
#include "mkdatafixture.h"
#include "sourceerror.h"

using namespace lomarin;
using namespace lomarin::testing;

namespace {

std::string ManyLines(int count) {
  std::string text = "@page 1\n";
  for (int i = 0; i < count; ++i) text += "ก\n";
  return text;
}

TEST(MkdataErrors, EachBadSourceNamesFileAndLine) {
  const struct {
    const char* file;
    std::string source;
    std::string expected;  // the end of the error's path, its line and message
  } cases[] = {
      {"tipitaka/02.txt", "หัว\nข้อความ \xE2\x98\x85\n", "02.txt:2: text not representable in code page 874"},
      {"tipitaka/02.txt", "\xCB\xD1\xC7\n\xA1\xDB\n", "02.txt:2: byte 0xDB is not a character of code page 874"},
      {"tipitaka/02.txt", "หัว\nแท็บ\x01\n", "02.txt:2: control character 0x01"},
      {"tipitaka/02.txt", "หัว\n@item 2601\nก\n", "02.txt:2: item number 2601 outside 1-2600"},
      {"tipitaka/02.txt", "หัว\n@item 0\nก\n", "02.txt:2: item number 0 outside 1-2600"},
      {"tipitaka/02.txt", "@item 1\nก\n", "02.txt:1: item 1 starts on text line 0"},
      {"tipitaka/02.txt", "หัว\n@item 5\nก\n@item 3\nข\n", "02.txt:4: item 3 after item 5: numbers must increase"},
      {"tipitaka/02.txt", "หัว\n@item 1\n@item 2\nก\n", "02.txt:2: item 1 has no text lines"},
      {"tipitaka/02.txt", "@page 1\nก\nข\n@page 2\n", "02.txt:4: page 2 has no text lines"},
      {"tipitaka/02.txt", "@page 1\nก\n@page 2\nข\n", "02.txt:1: page 1 holds only text line 0"},
      {"tipitaka/02.txt", "@page 1 หัวกระดาษ\nก\nข\n", "02.txt:1: Tipitaka pages have no running head"},
      {"tipitaka/02.txt", "หัว\n@page สอง\nก\n", "02.txt:2: page number must be a whole number"},
      {"tipitaka/02.txt", ManyLines(65536), "02.txt:65537: more than 65,535 text lines"},
      {"tipitaka/02.txt", "หัว\n@foo 1\n", "02.txt:2: unknown directive @foo"},
      {"tipitaka/02.txt", "หัว\n@link 3 2\n", "02.txt:2: @link before the first @item"},
      {"tipitaka/02.txt", "หัว\n@item 1\n@link 89 1\nก\n", "02.txt:3: Atthakatha volume 89 outside 1-88"},
      {"tipitaka/02.txt", "หัว\n@item 1\n@link 3 99\nก\n", "02.txt:3: link to Atthakatha volume 3 page 99, which"},
      {"atthakatha/03.txt", "@page 1300\nก\nข\n@page 1301\n@link 2 1\nค\n",
       "03.txt:5: page 1301 cannot hold a link: the link table ends at page 1300"},
      {"atthakatha/03.txt", "@page 1\nก\nข\n@page 2\nค\n@page 3\n@link 2 3\nง\n", "03.txt:7: link to Tipitaka volume 2 item 3, which"},
      {"atthakatha/03.txt", "@item 1\n", "03.txt:1: @item has no place in an Atthakatha volume"},
      {"milinda.txt", "ก\n@page 1\n", "milinda.txt:2: @page has no place in the Milindapanha"},
      {"chants/1.txt", "ก\n@heading บท\n", "1.txt:2: @heading has no place in a chant book"},
      {"tipitaka/titles.lst", TitleList("T", 52), "titles.lst:53: missing title for Tipitaka volume 53 (the list has 52"},
      {"atthakatha/titles.lst", "ก\nข\n\nง\n", "titles.lst:3: missing title for Atthakatha volume 3"},
      {"chants/titles.lst", TitleList("C", 5), "titles.lst:5: more than 4 titles"},
      {"encyclopedia.txt", "คำนำ\n@headword ก\n", "encyclopedia.txt:1: article text before the first @headword"},
      {"encyclopedia.txt", "@headword " + std::string(256, 'a') + "\n", "encyclopedia.txt:1: headword longer than 255"},
      {"tipitaka/54.txt", "ก\n", "54.txt: unexpected source file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    TempDir dir;
    WriteSampleSource(dir);
    dir.Write("lib/bible/tripi.lst", "old library\r\n");
    dir.Write(std::string("src/") + c.file, c.source);
    try {
      mkdata::CompileLibrary(dir.Path("src"), dir.Path("lib"));
      ADD_FAILURE() << "no error for " << c.expected;
    } catch (const mkdata::SourceError& e) {
      EXPECT_NE(std::string(e.what()).find("/" + c.expected), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadWholeFile(dir.Path("lib/bible/tripi.lst")), "old library\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Folder()), {}), 2);  // src and lib only
  }
}

TEST(MkdataErrors, MissingTitleListIsCannotOpen) {
  TempDir dir;
  WriteSampleSource(dir);
  std::filesystem::remove(dir.Path("src/visuddhi/titles.lst"));
  EXPECT_THROW(mkdata::CompileLibrary(dir.Path("src"), dir.Path("lib")), FileError);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("lib")));
}

}  // namespace
