#pragma once

#include "lum/data/node_pool.hpp"
#include "lum/text/string.hpp"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace lum {

class Var;

// The elements of a list or the members of a hash: entries in ascending key
// order, each in a node of its own, so that a reference to an element stays
// good while others are added, as with a std::map. The nodes are reached
// through short sorted arrays of pointers (blocks): documents, which arrive
// in key order, only ever append, freeing walks flat arrays, and an entry
// added out of order moves at most one block's pointers. Entries are never
// removed one by one; the Var clears the whole table.
template <typename Key>
class VarTable {
  public:
    using key_type = Key;
    using mapped_type = Var;
    using value_type = std::pair<const Key, Var>;
    using size_type = size_t;

  private:
    struct Block {
        int32_t size;
        int32_t capacity;
        value_type** nodes() { return reinterpret_cast<value_type**>(this + 1); }
        value_type* const* nodes() const { return reinterpret_cast<value_type* const*>(this + 1); }
        const Key& last_key() const { return nodes()[size - 1]->first; }
    };

  public:
    // Walks the entries in key order. The table must not change while one is in use.
    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = VarTable::value_type;
        using difference_type = std::ptrdiff_t;
        using pointer = const value_type*;
        using reference = const value_type&;

        const_iterator() = default;
        reference operator*() const { return *(*block_)->nodes()[slot_]; }
        pointer operator->() const { return (*block_)->nodes()[slot_]; }
        const_iterator& operator++() {
            if (++slot_ == (*block_)->size) {
                ++block_;
                slot_ = 0;
            }
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) {
            return a.block_ == b.block_ && a.slot_ == b.slot_;
        }
        friend bool operator!=(const const_iterator& a, const const_iterator& b) { return !(a == b); }

      private:
        friend class VarTable;
        const_iterator(Block* const* block, int32_t slot) : block_(block), slot_(slot) {}
        Block* const* block_ = nullptr;
        int32_t slot_ = 0;
    };
    using iterator = const_iterator;

    VarTable() = default;
    VarTable(const VarTable&) = delete;
    VarTable& operator=(const VarTable&) = delete;
    ~VarTable() { clear(); }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const_iterator begin() const { return const_iterator(blocks(), 0); }
    const_iterator end() const { return const_iterator(blocks() + block_count(), 0); }
    // The entry with key, or end().
    const_iterator find(const Key& key) const {
        auto [block, slot, found] = locate(key);
        return found ? const_iterator(blocks() + block, slot) : end();
    }
    size_t count(const Key& key) const { return locate(key).found ? 1 : 0; }

  private:
    friend class Var;

    static constexpr int32_t BLOCK_LARGEST = 64;
    static constexpr int32_t BLOCK_FIRST = 4;
    // Pointers held in the table itself, so that a small collection needs no block of its own.
    static constexpr int32_t INLINE_CAPACITY = 5;

    struct Place {
        size_t block;
        int32_t slot;
        bool found;
    };

    static int order(const Key& a, const Key& b) {
        if constexpr (std::is_same_v<Key, String>)
            return a.compare(b);
        else
            return a < b ? -1 : (b < a ? 1 : 0);
    }

    Block* const* blocks() const { return many_.empty() ? &first_ : many_.data(); }
    Block** blocks() { return many_.empty() ? &first_ : many_.data(); }
    size_t block_count() const { return many_.empty() ? (first_ ? 1 : 0) : many_.size(); }

    // Where key is, or where it would go.
    Place locate(const Key& key) const {
        size_t count = block_count();
        if (count == 0)
            return {0, 0, false};
        Block* const* all = blocks();
        // Dense lists fill whole blocks in order, so the guess is usually right.
        if constexpr (std::is_integral_v<Key>) {
            if (key >= 0) {
                size_t b = static_cast<size_t>(key) / BLOCK_LARGEST;
                int32_t s = static_cast<int32_t>(static_cast<size_t>(key) % BLOCK_LARGEST);
                if (b < count && s < all[b]->size && all[b]->nodes()[s]->first == key)
                    return {b, s, true};
            }
        }
        // The first block whose last key is not below key.
        size_t low = 0;
        size_t high = count;
        while (low < high) {
            size_t mid = (low + high) / 2;
            if (order(all[mid]->last_key(), key) < 0)
                low = mid + 1;
            else
                high = mid;
        }
        if (low == count)
            return {count - 1, all[count - 1]->size, false};
        Block* block = all[low];
        int32_t first = 0;
        int32_t last = block->size;
        while (first < last) {
            int32_t mid = (first + last) / 2;
            int c = order(block->nodes()[mid]->first, key);
            if (c == 0)
                return {low, mid, true};
            if (c < 0)
                first = mid + 1;
            else
                last = mid;
        }
        return {low, first, false};
    }

    // The entry with key, made with a null Var if missing; true when it was made.
    template <typename K>
    std::pair<Var&, bool> emplace(K&& key) {
        size_t count = block_count();
        Place place{count, 0, false};
        if (count > 0) {
            // Documents arrive in key order: past the last key is the usual place.
            Block* last = blocks()[count - 1];
            int c = order(last->last_key(), key);
            if (c == 0)
                return {last->nodes()[last->size - 1]->second, false};
            if (c < 0 && last->size < last->capacity) {
                value_type* node = new_node(std::forward<K>(key));
                last->nodes()[last->size++] = node;
                ++size_;
                return {node->second, true};
            }
            if (c < 0 && last->size < BLOCK_LARGEST)
                place = Place{count - 1, last->size, false};
            else if (c > 0)
                place = locate(key);
            if (place.found)
                return {blocks()[place.block]->nodes()[place.slot]->second, false};
        }
        value_type* node = new_node(std::forward<K>(key));
        put(place, node);
        return {node->second, true};
    }

    // Frees every entry and block.
    void clear() noexcept {
        size_t count = block_count();
        Block** all = blocks();
        for (size_t b = 0; b < count; ++b) {
            Block* block = all[b];
            value_type** nodes = block->nodes();
            for (int32_t s = 0; s < block->size; ++s) {
                // The walk goes from node to node through pointers; fetching
                // the next node ahead keeps it from waiting on memory.
                if (s + 1 < block->size) {
                    __builtin_prefetch(nodes[s + 1]);
                    __builtin_prefetch(reinterpret_cast<char*>(nodes[s + 1]) + 64);
                }
                free_node(nodes[s]);
            }
            release_block(block);
        }
        first_ = nullptr;
        inline_.header.size = 0;
        std::vector<Block*>().swap(many_);
        size_ = 0;
    }

    template <typename K>
    value_type* new_node(K&& key);

    static void free_node(value_type* node) noexcept;

    static size_t block_bytes(int32_t capacity) {
        return sizeof(Block) + static_cast<size_t>(capacity) * sizeof(value_type*);
    }

    static Block* new_block(int32_t capacity) {
        size_t bytes = block_bytes(capacity);
        void* memory = NODE_POOL_ENABLED && bytes <= NODE_POOL_LARGEST ? node_pool_take(bytes)
                                                                         : ::operator new(bytes);
        auto* block = static_cast<Block*>(memory);
        block->size = 0;
        block->capacity = capacity;
        return block;
    }

    static void free_block(Block* block) noexcept {
        size_t bytes = block_bytes(block->capacity);
        if (NODE_POOL_ENABLED && bytes <= NODE_POOL_LARGEST)
            node_pool_give(block, bytes);
        else
            ::operator delete(block);
    }

    // Block b, given room for one more pointer; a full block is replaced by a larger copy.
    Block* with_room(size_t b) {
        Block*& slot = blocks()[b];
        Block* block = slot;
        if (block->size < block->capacity)
            return block;
        int32_t capacity = block->capacity * 2 < BLOCK_LARGEST ? block->capacity * 2 : BLOCK_LARGEST;
        Block* larger = new_block(capacity);
        larger->size = block->size;
        std::memcpy(larger->nodes(), block->nodes(), sizeof(value_type*) * static_cast<size_t>(block->size));
        release_block(block);
        slot = larger;
        return larger;
    }

    // Puts block at position b of the block list.
    void add_block(size_t b, Block* block) {
        if (block_count() == 0) {
            first_ = block;
            return;
        }
        try {
            if (many_.empty())
                many_.push_back(first_);
            many_.insert(many_.begin() + static_cast<std::ptrdiff_t>(b), block);
        } catch (...) {
            free_block(block);
            throw;
        }
        first_ = nullptr;
    }

    // Puts node at place, a block index one past the last meaning a new last
    // block. Without memory for that, node is freed and the table stays as it was.
    void put(Place place, value_type* node) {
        Block* block = nullptr;
        try {
            if (place.block == 0 && block_count() == 0) {
                inline_.header.size = 0;
                inline_.header.capacity = INLINE_CAPACITY;
                first_ = &inline_.header;
                block = first_;
            } else if (place.block == block_count()) {
                add_block(place.block, new_block(BLOCK_FIRST));
                place.slot = 0;
                block = blocks()[place.block];
            } else if (blocks()[place.block]->size == BLOCK_LARGEST) {
                block = split(place);
            } else {
                block = with_room(place.block);
            }
        } catch (...) {
            free_node(node);
            throw;
        }
        value_type** nodes = block->nodes();
        std::memmove(nodes + place.slot + 1, nodes + place.slot,
                     sizeof(value_type*) * static_cast<size_t>(block->size - place.slot));
        nodes[place.slot] = node;
        ++block->size;
        ++size_;
    }

    // Splits the full block at place in two halves; gives the one place now
    // points into, with place moved along.
    Block* split(Place& place) {
        Block* lower = blocks()[place.block];
        Block* upper = new_block(BLOCK_LARGEST);
        add_block(place.block + 1, upper);
        int32_t half = BLOCK_LARGEST / 2;
        std::memcpy(upper->nodes(), lower->nodes() + half, sizeof(value_type*) * static_cast<size_t>(half));
        upper->size = half;
        lower->size = half;
        if (place.slot <= half)
            return lower;
        place.block += 1;
        place.slot -= half;
        return upper;
    }

    // Frees a block unless it is the one inside the table.
    void release_block(Block* block) noexcept {
        if (block != &inline_.header)
            free_block(block);
    }

    struct InlineBlock {
        Block header;
        value_type* room[INLINE_CAPACITY];
    };

    // One block is kept here; the list is used from the second on.
    Block* first_ = nullptr;
    // The first block while the collection is small.
    InlineBlock inline_{};
    static_assert(offsetof(InlineBlock, room) == sizeof(Block), "a block's pointers follow its header");
    std::vector<Block*> many_;
    size_t size_ = 0;
};

} // namespace lum
