#include "script/runtime/shared_string.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace zendrik {

TCtxString::Rep* TCtxString::Allocate(std::size_t size, std::size_t capacity) {
  if (capacity > kMaxStringBytes) throw std::bad_alloc();
  void* raw = ::operator new(sizeof(Rep) + capacity + 1);
  Rep* rep = new (raw) Rep{1, size, capacity};
  rep->bytes()[size] = '\0';
  return rep;
}

void TCtxString::Free(Rep* rep) noexcept {
  rep->~Rep();
  ::operator delete(rep);
}

TCtxString::TCtxString(std::string_view text) {
  if (text.empty()) return;
  rep_ = Allocate(text.size(), text.size());
  std::memcpy(rep_->bytes(), text.data(), text.size());
}

TCtxString::TCtxString(const TCtxString& other) noexcept : rep_(other.rep_) { Retain(rep_); }

TCtxString& TCtxString::operator=(const TCtxString& other) noexcept {
  Retain(other.rep_);
  Release(rep_);
  rep_ = other.rep_;
  return *this;
}

TCtxString& TCtxString::operator=(TCtxString&& other) noexcept {
  if (this != &other) {
    Release(rep_);
    rep_ = other.rep_;
    other.rep_ = nullptr;
  }
  return *this;
}

TCtxString::~TCtxString() { Release(rep_); }

TCtxString TCtxString::Concat(std::string_view a, std::string_view b) {
  const std::size_t size = a.size() + b.size();
  if (size == 0) return TCtxString();
  Rep* rep = Allocate(size, size);
  if (!a.empty()) std::memcpy(rep->bytes(), a.data(), a.size());
  if (!b.empty()) std::memcpy(rep->bytes() + a.size(), b.data(), b.size());
  return TCtxString(rep);
}

void TCtxString::Overwrite(Rep* rep, std::string_view text) noexcept {
  if (!text.empty()) std::memmove(rep->bytes(), text.data(), text.size());
  rep->size = text.size();
  rep->bytes()[text.size()] = '\0';
}

bool TCtxString::IsUnique() const noexcept { return !rep_ || rep_->refs == 1; }

char* TCtxString::MutableData() {
  if (!rep_) return nullptr;
  if (rep_->refs > 1) *this = Concat(view(), {});
  return rep_->bytes();
}

void TCtxString::Append(std::string_view tail) {
  if (tail.empty()) return;
  const std::size_t size = this->size() + tail.size();
  if (rep_ && rep_->refs == 1 && size <= rep_->capacity) {
    std::memcpy(rep_->bytes() + rep_->size, tail.data(), tail.size());
    rep_->size = size;
    rep_->bytes()[size] = '\0';
    return;
  }
  // Grow geometrically so that appending in a loop stays linear, never past the longest string.
  Rep* grown = Allocate(size, std::max(size, std::min(size + size / 2, kMaxStringBytes)));
  if (rep_) std::memcpy(grown->bytes(), rep_->bytes(), rep_->size);
  std::memcpy(grown->bytes() + this->size(), tail.data(), tail.size());
  Release(rep_);
  rep_ = grown;
}

}  // namespace zendrik
