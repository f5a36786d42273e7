#pragma once

#include <cstddef>

namespace zendrik {

/// Asks the system to provide the memory pages of a freshly allocated block that is about to be
/// filled from start to end, in one call instead of one page fault per page: a large table
/// then spends far less time in the kernel. Only a hint; nothing changes where the system does
/// not offer it.
void PrefaultBlock(void* block, std::size_t bytes) noexcept;

}  // namespace zendrik
