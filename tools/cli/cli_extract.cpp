// extract ARCHIVE MEMBER: a member's decompressed bytes, unchanged, on standard output.
#include "cli.h"
#include "uunpak.h"

namespace lomarin::cli {

int RunExtract(Context& ctx, const std::vector<std::string>& args) {
  ExpectArgCount(args, 2, "extract ARCHIVE MEMBER");
  const std::string member = ToCp874(args[1]);
  const FileSource archive(args[0]);
  std::string bytes;
  if (!ReadPakMember(archive, member, bytes)) return kNo;  // absent: nothing written
  ctx.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return kOk;
}

}  // namespace lomarin::cli
