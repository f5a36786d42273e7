#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zendrik {

/// The longest string a script value holds: 1 GiB, room for the largest page body. A longer one
/// is refused as memory that is not there (std::bad_alloc, which a script sees as "Out of
/// memory"), so that a runaway script cannot take all of the machine's memory.
inline constexpr std::size_t kMaxStringBytes = std::size_t{1} << 30;

/// An 8-bit string whose buffer is shared by reference count and copied only when written.
/// Copying and destroying never allocate; the empty string owns no buffer. Single-threaded:
/// the count is a plain integer, as the script engine runs on one thread.
class TCtxString {
 public:
  TCtxString() noexcept = default;
  TCtxString(std::string_view text);
  TCtxString(const char* text) : TCtxString(std::string_view(text)) {}
  TCtxString(const std::string& text) : TCtxString(std::string_view(text)) {}
  TCtxString(const TCtxString& other) noexcept;
  TCtxString(TCtxString&& other) noexcept : rep_(other.rep_) { other.rep_ = nullptr; }
  TCtxString& operator=(const TCtxString& other) noexcept;
  TCtxString& operator=(TCtxString&& other) noexcept;
  ~TCtxString();

  /// A string of `a` followed by `b`, built with one allocation.
  static TCtxString Concat(std::string_view a, std::string_view b);

  std::string_view view() const noexcept { return ViewOf(rep_); }
  operator std::string_view() const noexcept { return view(); }
  std::string str() const { return std::string(view()); }
  std::size_t size() const noexcept { return rep_ ? rep_->size : 0; }
  bool empty() const noexcept { return size() == 0; }

  /// Writable bytes of this string; unshares the buffer first (copy on write).
  char* MutableData();
  /// Appends in place when the buffer is unshared and roomy, otherwise reallocates.
  void Append(std::string_view tail);
  /// True when no other string shares the buffer (also for the empty string).
  bool IsUnique() const noexcept;

  friend bool operator==(const TCtxString& a, const TCtxString& b) noexcept {
    return a.view() == b.view();
  }
  friend bool operator==(const TCtxString& a, std::string_view b) noexcept { return a.view() == b; }
  friend bool operator==(const TCtxString& a, const char* b) noexcept { return a.view() == b; }

 private:
  // Header of a shared buffer; the bytes follow it in the same allocation, with a terminating 0.
  struct Rep {
    std::size_t refs;
    std::size_t size;
    std::size_t capacity;
    char* bytes() noexcept { return reinterpret_cast<char*>(this + 1); }
    const char* bytes() const noexcept { return reinterpret_cast<const char*>(this + 1); }
  };
  explicit TCtxString(Rep* adopted) noexcept : rep_(adopted) {}
  static Rep* Allocate(std::size_t size, std::size_t capacity);
  static void Retain(Rep* rep) noexcept {
    if (rep) ++rep->refs;
  }
  static void Release(Rep* rep) noexcept {
    if (rep && --rep->refs == 0) Free(rep);
  }
  static void Free(Rep* rep) noexcept;
  static bool IsUniqueRep(const Rep* rep) noexcept { return !rep || rep->refs == 1; }
  /// True when `rep` is unshared and holds `size` bytes without growing.
  static bool CanOverwrite(const Rep* rep, std::size_t size) noexcept {
    return rep && rep->refs == 1 && size <= rep->capacity;
  }
  /// Replaces the bytes of an unshared `rep` that has room for `text`.
  static void Overwrite(Rep* rep, std::string_view text) noexcept;
  static std::string_view ViewOf(const Rep* rep) noexcept {
    return rep ? std::string_view(rep->bytes(), rep->size) : std::string_view();
  }

  Rep* rep_ = nullptr;

  friend class TCtxValue;
};

}  // namespace zendrik
