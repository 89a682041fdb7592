// lomarin-mkcorpus --seed N [--scale F] OUT: writes deterministic full-size library
// sources into OUT for lomarin-mkdata (see corpus.h).
#include <charconv>
#include <iostream>
#include <string>

#include "corpus.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  lomarin::mkcorpus::CorpusOptions options;
  std::string out;
  bool seeded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--seed" || a == "--scale") && i + 1 < args.size()) {
      const std::string& value = args[++i];
      const char* end = value.data() + value.size();
      const auto [ptr, ec] = a == "--seed" ? std::from_chars(value.data(), end, options.seed)
                                           : std::from_chars(value.data(), end, options.scale);
      if (ec != std::errc() || ptr != end || options.scale <= 0) {
        std::cerr << "lomarin-mkcorpus: bad value for " << a << ": " << value << '\n';
        return 2;
      }
      seeded = seeded || a == "--seed";
    } else if (out.empty() && a.rfind("--", 0) != 0) {
      out = a;
    } else {
      out.clear();
      break;
    }
  }
  if (!seeded || out.empty()) {
    std::cerr << "usage: lomarin-mkcorpus --seed N [--scale F] OUT\n";
    return 2;
  }
  try {
    lomarin::mkcorpus::WriteCorpus(lomarin::mkcorpus::ReadWordList(lomarin::mkcorpus::kHunspellThaiWords), options,
                                   out);
  } catch (const std::exception& e) {
    std::cerr << "lomarin-mkcorpus: " << e.what() << '\n';
    return 2;
  }
  return 0;
}
