// The containers behind lists and hashes, against std::map as the model:
// every order of insertion keeps key order, finds what was added, creates
// nothing on reads, and leaves earlier references to elements good.

#include "lum/data/var.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

using lum::String;
using lum::Var;

namespace {

enum class Order { ASCENDING, DESCENDING, SHUFFLED, MIDDLE_OUT };

const char* name_of(Order order) {
    switch (order) {
    case Order::ASCENDING:
        return "ascending";
    case Order::DESCENDING:
        return "descending";
    case Order::SHUFFLED:
        return "shuffled";
    default:
        return "middle-out";
    }
}

// 0..n-1 in the given order; middle-out alternates around the centre, which
// inserts into both halves of blocks that have split.
std::vector<int32_t> sequence(int32_t n, Order order) {
    std::vector<int32_t> s(static_cast<size_t>(n));
    std::iota(s.begin(), s.end(), 0);
    if (order == Order::DESCENDING) {
        std::reverse(s.begin(), s.end());
    } else if (order == Order::SHUFFLED) {
        std::mt19937 random(static_cast<uint32_t>(n));
        std::shuffle(s.begin(), s.end(), random);
    } else if (order == Order::MIDDLE_OUT) {
        std::vector<int32_t> m;
        for (int32_t d = 0; static_cast<int32_t>(m.size()) < n; ++d) {
            if (n / 2 + d < n)
                m.push_back(n / 2 + d);
            if (d > 0 && n / 2 - d >= 0)
                m.push_back(n / 2 - d);
        }
        s = m;
    }
    return s;
}

// Keys whose code-unit order differs from their numeric order, some longer than a String keeps inline.
String key_of(int32_t i) {
    return String(("k" + std::to_string(i * 7919 % 1000) + std::string(static_cast<size_t>(i % 3) * 6, 'x') +
                   std::to_string(i))
                      .c_str());
}

} // namespace

TEST(VarTable, EveryInsertionOrderKeepsKeyOrderAndReferences) {
    for (int32_t n : {0, 1, 5, 6, 64, 65, 200, 1000}) {
        for (Order order : {Order::ASCENDING, Order::DESCENDING, Order::SHUFFLED, Order::MIDDLE_OUT}) {
            SCOPED_TRACE(std::to_string(n) + " " + name_of(order));
            Var hash;
            Var list;
            std::map<String, int32_t> hash_model;
            std::map<int32_t, int32_t> list_model;
            std::vector<std::pair<Var*, int32_t>> hash_refs;
            std::vector<std::pair<Var*, int32_t>> list_refs;
            for (int32_t i : sequence(n, order)) {
                Var& member = hash[key_of(i)];
                member = i;
                hash_refs.emplace_back(&member, i);
                hash_model[key_of(i)] = i;
                // Every other index only, so that the list stays sparse.
                Var& element = list[2 * i];
                element = -i;
                list_refs.emplace_back(&element, -i);
                list_model[2 * i] = -i;
            }
            // Writing an existing key again finds the same element.
            if (n > 0) {
                EXPECT_EQ(&hash[key_of(n / 2)], &hash[key_of(n / 2)]);
                EXPECT_EQ(&list[2 * (n / 2)], &list[2 * (n / 2)]);
            }
            for (auto [ref, value] : hash_refs)
                ASSERT_EQ(ref->to_int64(), value);
            for (auto [ref, value] : list_refs)
                ASSERT_EQ(ref->to_int64(), value);

            ASSERT_EQ(hash.hash().size(), hash_model.size());
            auto model = hash_model.begin();
            for (const auto& [key, member] : hash.hash()) {
                ASSERT_TRUE(key == model->first);
                ASSERT_EQ(member.to_int64(), model->second);
                ++model;
            }
            ASSERT_EQ(list.list().size(), list_model.size());
            EXPECT_EQ(list.count(), n == 0 ? 0 : 2 * (n - 1) + 1);
            auto element_model = list_model.begin();
            for (const auto& [index, element] : list.list()) {
                ASSERT_EQ(index, element_model->first);
                ASSERT_EQ(element.to_int64(), element_model->second);
                ++element_model;
            }

            // Reads find every key and create nothing for the missing ones.
            const Var& h = hash;
            const Var& l = list;
            for (int32_t i = 0; i < n; ++i) {
                ASSERT_TRUE(h.has(key_of(i)));
                ASSERT_EQ(h[key_of(i)].to_int64(), i);
                ASSERT_EQ(l[2 * i].to_int64(), -i);
                ASSERT_EQ(h.hash().count(key_of(i)), 1u);
                ASSERT_TRUE(l[2 * i + 1].value().type() == lum::ValueType::Null);
            }
            EXPECT_FALSE(h.has("absent"));
            EXPECT_TRUE(h.hash().find("absent") == h.hash().end());
            EXPECT_EQ(hash.hash().size(), hash_model.size());
            EXPECT_EQ(list.list().size(), list_model.size());

            // A copy is whole and independent.
            std::string before = hash.block_form();
            Var copy(hash);
            EXPECT_EQ(copy.block_form(), before);
            copy[key_of(0)] = 12345;
            copy["new"] = 1;
            EXPECT_EQ(hash.block_form(), before);
        }
    }
}
