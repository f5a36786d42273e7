#include "extract/block_pages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace zendrik {

void PrefaultBlock(void* block, std::size_t bytes) noexcept {
#if defined(MADV_POPULATE_WRITE)
  // Whole pages inside the block only: the pages at its edges may belong to other memory.
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto start = reinterpret_cast<std::uintptr_t>(block);
  const std::uintptr_t first = (start + page - 1) & ~(page - 1);
  const std::uintptr_t last = (start + bytes) & ~(page - 1);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
  (void)block;
  (void)bytes;
#endif
}

}  // namespace zendrik
