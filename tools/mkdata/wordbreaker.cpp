#include "wordbreaker.h"

#include <thai/thbrk.h>

#include <stdexcept>

namespace lomarin::mkdata {
namespace {

// Tokens longer than this are cut without caching; cut positions must fit 16 bits.
constexpr size_t kMaxCachedToken = 255;
constexpr size_t kMaxCutToken = 65535;
// The cache is dropped when it grows past this many tokens: a small cache keeps the
// frequent tokens and stays in the processor's caches (a large one was slower).
constexpr size_t kMaxCacheEntries = 1 << 12;

}  // namespace

WordBreaker::WordBreaker() : m_brk(th_brk_new(nullptr)) {
  if (!m_brk) throw std::runtime_error("libthai's word-break dictionary cannot be loaded");
}

WordBreaker::~WordBreaker() { th_brk_delete(m_brk); }

const std::vector<uint16_t>& WordBreaker::Cuts(std::string_view token) {
  m_scratch.clear();
  if (token.size() < 2 || token.size() > kMaxCutToken) return m_scratch;
  const bool cached = token.size() <= kMaxCachedToken;
  m_token.assign(token);
  if (cached) {
    if (const auto it = m_cache.find(m_token); it != m_cache.end()) return it->second;
  }
  m_positions.resize(token.size());
  const int n = th_brk_find_breaks(m_brk, reinterpret_cast<const thchar_t*>(m_token.c_str()), m_positions.data(),
                                   m_positions.size());
  for (int k = 0; k < n; ++k) {
    // Only cuts strictly inside the token split it.
    if (m_positions[k] > 0 && static_cast<size_t>(m_positions[k]) < token.size() &&
        (m_scratch.empty() || m_positions[k] > m_scratch.back())) {
      m_scratch.push_back(static_cast<uint16_t>(m_positions[k]));
    }
  }
  if (!cached) return m_scratch;
  if (m_cache.size() >= kMaxCacheEntries) m_cache.clear();
  return m_cache.emplace(m_token, m_scratch).first->second;
}

}  // namespace lomarin::mkdata
