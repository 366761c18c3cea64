#include "lum/data/node_pool.hpp"

#include <atomic>
#include <new>

namespace lum {

namespace {

constexpr size_t GRAIN = alignof(std::max_align_t);
constexpr size_t CLASSES = NODE_POOL_LARGEST / GRAIN;
constexpr size_t SLAB_SIZE = 64 * 1024;

struct FreeBlock {
    FreeBlock* next;
};

// Slabs are chained from one process-wide list so that they stay reachable
// (leak checkers see cached memory, not lost memory).
struct Slab {
    Slab* next;
};
std::atomic<Slab*> all_slabs{nullptr};

struct Pool {
    FreeBlock* free[CLASSES] = {};
    char* cursor = nullptr;
    char* limit = nullptr;
};
thread_local Pool pool;

size_t class_of(size_t size) {
    return (size + GRAIN - 1) / GRAIN - 1;
}

char* new_slab() {
    auto* slab = static_cast<Slab*>(::operator new(SLAB_SIZE));
    slab->next = all_slabs.load(std::memory_order_relaxed);
    while (!all_slabs.compare_exchange_weak(slab->next, slab, std::memory_order_release,
                                            std::memory_order_relaxed)) {
    }
    return reinterpret_cast<char*>(slab) + GRAIN;
}

} // namespace

void* node_pool_take(size_t size) {
    size_t c = class_of(size);
    Pool& p = pool;
    if (FreeBlock* block = p.free[c]) {
        p.free[c] = block->next;
        return block;
    }
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

void node_pool_give(void* block, size_t size) noexcept {
    size_t c = class_of(size);
    Pool& p = pool;
    auto* b = static_cast<FreeBlock*>(block);
    b->next = p.free[c];
    p.free[c] = b;
}

} // namespace lum
