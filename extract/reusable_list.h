#pragma once

#include <cstddef>
#include <vector>

namespace zendrik {

/// A list that keeps the elements it drops, so that filling it again reuses their buffers
/// instead of allocating new ones. Copies hold only the elements in the list.
template <typename T>
class TReusableList {
 public:
  TReusableList() = default;
  TReusableList(const TReusableList& other)
      : Items(other.begin(), other.end()), Count(other.Count) {}
  TReusableList& operator=(const TReusableList& other) {
    Items.assign(other.begin(), other.end());
    Count = other.Count;
    return *this;
  }
  TReusableList(TReusableList&&) noexcept = default;
  TReusableList& operator=(TReusableList&&) noexcept = default;

  std::size_t size() const { return Count; }
  bool empty() const { return Count == 0; }
  const T& operator[](std::size_t i) const { return Items[i]; }
  const T* begin() const { return Items.data(); }
  const T* end() const { return Items.data() + Count; }

  /// Empties the list; the elements stay for reuse.
  void Clear() { Count = 0; }
  /// Appends an element: a kept one if there is one (holding old contents to overwrite), else
  /// a new default one.
  T& Append() {
    if (Count == Items.size()) Items.emplace_back();
    return Items[Count++];
  }

 private:
  std::vector<T> Items;
  std::size_t Count = 0;
};

}  // namespace zendrik
