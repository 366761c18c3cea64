#include "lum/data/node_pool.hpp"

#include <atomic>
#include <new>

namespace lum {

namespace node_pool_detail {

constinit thread_local Pool pool;

namespace {

constexpr size_t SLAB_SIZE = 64 * 1024;

// Slabs are chained from one process-wide list so that they stay reachable
// (leak checkers see cached memory, not lost memory).
struct Slab {
    Slab* next;
};
std::atomic<Slab*> all_slabs{nullptr};

char* new_slab() {
    auto* slab = static_cast<Slab*>(::operator new(SLAB_SIZE));
    slab->next = all_slabs.load(std::memory_order_relaxed);
    while (!all_slabs.compare_exchange_weak(slab->next, slab, std::memory_order_release,
                                            std::memory_order_relaxed)) {
    }
    return reinterpret_cast<char*>(slab) + GRAIN;
}

} // namespace

void* carve(size_t c) {
    Pool& p = pool;
    size_t bytes = (c + 1) * GRAIN;
    if (static_cast<size_t>(p.limit - p.cursor) < bytes) {
        // The rest of the old slab is left unused; it is smaller than one node.
        p.cursor = new_slab();
        p.limit = p.cursor + (SLAB_SIZE - GRAIN);
    }
    void* block = p.cursor;
    p.cursor += bytes;
    return block;
}

} // namespace node_pool_detail

} // namespace lum
