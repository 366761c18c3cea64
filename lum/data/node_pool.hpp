#pragma once

#include <cstddef>
#include <memory>

namespace lum {

// A cache of small memory blocks for the nodes of Var trees. A document of a
// megabyte has a hundred thousand nodes that are made and freed together;
// taking them from per-thread free lists of fixed sizes costs a fraction of
// the general allocator's work. Blocks freed on another thread join that
// thread's lists. The memory stays cached for reuse until the process ends.

// Largest block the pool serves; bigger requests go to the general allocator.
inline constexpr size_t NODE_POOL_LARGEST = 256;

// False in sanitizer builds, where every node comes from the general
// allocator so that the sanitizer sees each one.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool NODE_POOL_ENABLED = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool NODE_POOL_ENABLED = false;
#else
inline constexpr bool NODE_POOL_ENABLED = true;
#endif
#else
inline constexpr bool NODE_POOL_ENABLED = true;
#endif

namespace node_pool_detail {

inline constexpr size_t GRAIN = alignof(std::max_align_t);
inline constexpr size_t CLASSES = NODE_POOL_LARGEST / GRAIN;

struct FreeBlock {
    FreeBlock* next;
};

// One thread's free lists, one per size class, and the rest of its newest slab.
struct Pool {
    FreeBlock* free[CLASSES] = {};
    char* cursor = nullptr;
    char* limit = nullptr;
};
extern constinit thread_local Pool pool;

inline size_t class_of(size_t size) {
    return (size + GRAIN - 1) / GRAIN - 1;
}

// Carves a block of class c from the newest slab, starting a new one if needed.
void* carve(size_t c);

} // namespace node_pool_detail

// A block of at least size bytes, aligned for any node.
inline void* node_pool_take(size_t size) {
    using namespace node_pool_detail;
    size_t c = class_of(size);
    Pool& p = pool;
    if (FreeBlock* block = p.free[c]) {
        p.free[c] = block->next;
        // The next take reads the new head; trees are built between the
        // parser's work, which leaves time for it to arrive from memory.
        if (block->next)
            __builtin_prefetch(block->next);
        return block;
    }
    return carve(c);
}

// Returns a block taken with the same size.
inline void node_pool_give(void* block, size_t size) noexcept {
    using namespace node_pool_detail;
    size_t c = class_of(size);
    Pool& p = pool;
    auto* b = static_cast<FreeBlock*>(block);
    b->next = p.free[c];
    p.free[c] = b;
}

// A standard allocator over the pool, for the containers of a Var.
template <typename T>
struct NodeAllocator {
    using value_type = T;

    NodeAllocator() = default;
    template <typename U>
    NodeAllocator(const NodeAllocator<U>&) {}

    static constexpr bool POOLED =
        NODE_POOL_ENABLED && sizeof(T) <= NODE_POOL_LARGEST && alignof(T) <= alignof(std::max_align_t);

    T* allocate(size_t n) {
        if (POOLED && n == 1)
            return static_cast<T*>(node_pool_take(sizeof(T)));
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, size_t n) noexcept {
        if (POOLED && n == 1)
            node_pool_give(p, sizeof(T));
        else
            std::allocator<T>().deallocate(p, n);
    }

    template <typename U>
    bool operator==(const NodeAllocator<U>&) const {
        return true;
    }
};

} // namespace lum
