#pragma once

#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zendrik {

/// Bytes that one step of the scans below examines.
inline constexpr std::size_t kScanWidth = 16;

/// Position of the first `first` or `second` in `text` at or after `from`, or the text's size.
/// Sixteen bytes are compared at a time where the processor allows it; markup and text are
/// scanned for their few special bytes this way, so a scan costs about a cycle per 16 bytes.
inline std::size_t FindEither(std::string_view text, std::size_t from, char first, char second) {
  const char* data = text.data();
  std::size_t pos = from;
#if defined(__SSE2__)
  const __m128i firsts = _mm_set1_epi8(first);
  const __m128i seconds = _mm_set1_epi8(second);
  for (; pos + kScanWidth <= text.size(); pos += kScanWidth) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
    const int hits = _mm_movemask_epi8(
        _mm_or_si128(_mm_cmpeq_epi8(chunk, firsts), _mm_cmpeq_epi8(chunk, seconds)));
    if (hits != 0)
      return pos + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(hits)));
  }
#endif
  for (; pos < text.size(); ++pos)
    if (data[pos] == first || data[pos] == second) return pos;
  return text.size();
}

/// Copies the bytes of `text` from `from` up to the first `first` or `second` (or the end) to
/// `out` and returns how many they are. `out` must have room for that many bytes plus
/// kScanWidth: whole steps are stored, including bytes past the run.
inline std::size_t CopyRun(std::string_view text, std::size_t from, char first, char second,
                           char* out) {
  const char* data = text.data();
  std::size_t pos = from;
#if defined(__SSE2__)
  const __m128i firsts = _mm_set1_epi8(first);
  const __m128i seconds = _mm_set1_epi8(second);
  for (; pos + kScanWidth <= text.size(); pos += kScanWidth) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + (pos - from)), chunk);
    const int hits = _mm_movemask_epi8(
        _mm_or_si128(_mm_cmpeq_epi8(chunk, firsts), _mm_cmpeq_epi8(chunk, seconds)));
    if (hits != 0)
      return pos - from + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(hits)));
  }
#endif
  for (; pos < text.size() && data[pos] != first && data[pos] != second; ++pos)
    out[pos - from] = data[pos];
  return pos - from;
}

/// What turning a raw text into its text must do (see THTMLText): flags that may be combined.
/// No flag: no line feed, no two spaces in a row and no '&', so the text is the raw text.
enum TTextChanges : unsigned {
  kFoldSpaces = 1,        // line feeds or runs of spaces to fold
  kDecodeReferences = 2,  // an '&' to look at
};

/// Finds out what `text` needs in one pass, sixteen bytes at a time where the processor allows.
inline unsigned TextChanges(std::string_view text) {
  const char* data = text.data();
  std::size_t pos = 0;
  unsigned changes = 0;
#if defined(__SSE2__)
  const __m128i blanks = _mm_set1_epi8(' ');
  const __m128i feeds = _mm_set1_epi8('\n');
  const __m128i ampersands = _mm_set1_epi8('&');
  // Each step also loads the chunk one byte on, so that a pair of spaces across two steps
  // is seen too.
  for (; pos + kScanWidth + 1 <= text.size(); pos += kScanWidth) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
    const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos + 1));
    const __m128i pairs =
        _mm_and_si128(_mm_cmpeq_epi8(chunk, blanks), _mm_cmpeq_epi8(after, blanks));
    if (_mm_movemask_epi8(_mm_or_si128(pairs, _mm_cmpeq_epi8(chunk, feeds))) != 0)
      changes |= kFoldSpaces;
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, ampersands)) != 0) changes |= kDecodeReferences;
  }
#endif
  for (; pos < text.size(); ++pos) {
    if (data[pos] == '&') changes |= kDecodeReferences;
    if (data[pos] == '\n' || (data[pos] == ' ' && pos + 1 < text.size() && data[pos + 1] == ' '))
      changes |= kFoldSpaces;
  }
  return changes;
}

}  // namespace zendrik
