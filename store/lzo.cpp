#include "lzo.h"

#include <lzo/lzo1x.h>

#include <stdexcept>
#include <vector>

namespace lomarin {
namespace {

void EnsureLzoInit() {
  static const bool ok = lzo_init() == LZO_E_OK;
  if (!ok) throw std::runtime_error("LZO library failed to initialise");
}

}  // namespace

bool LzoDecompress(const char* src, size_t srcLen, char* dst, size_t dstLen) {
  if (srcLen == 0) return dstLen == 0;
  EnsureLzoInit();
  lzo_uint outLen = dstLen;
  const int rc = lzo1x_decompress_safe(reinterpret_cast<const lzo_bytep>(src), srcLen,
                                       reinterpret_cast<lzo_bytep>(dst), &outLen, nullptr);
  // Trailing bytes after the end marker are tolerated; a short or broken stream is not.
  return (rc == LZO_E_OK || rc == LZO_E_INPUT_NOT_CONSUMED) && outLen == dstLen;
}

std::string LzoCompress(std::string_view data) {
  EnsureLzoInit();
  std::vector<unsigned char> work(LZO1X_999_MEM_COMPRESS);
  std::string out(data.size() + data.size() / 16 + 64 + 3, '\0');
  lzo_uint outLen = out.size();
  const int rc = lzo1x_999_compress(reinterpret_cast<const lzo_bytep>(data.data()), data.size(),
                                    reinterpret_cast<lzo_bytep>(out.data()), &outLen, work.data());
  if (rc != LZO_E_OK) throw std::runtime_error("LZO1X-999 compression failed");
  out.resize(outLen);
  return out;
}

}  // namespace lomarin
