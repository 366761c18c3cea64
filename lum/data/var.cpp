#include "lum/data/var.hpp"

#include "lum/core/unimplemented.hpp"

#include <cstdio>
#include <iterator>
#include <limits>
#include <new>
#include <utility>
#include <vector>

namespace lum {

namespace {

bool known_kind(VarKind kind) {
    return kind == VarKind::SCALAR || kind == VarKind::LIST || kind == VarKind::HASH;
}

// The three shared scratch Vars, each reset to null when handed out.
Var& reset(Var& v) {
    if (!v.is_scalar() || v.value().type() != ValueType::Null || !v.list().empty() || !v.hash().empty())
        v.clear();
    return v;
}

Var& list_read_scratch() {
    static Var* v = new Var;
    return reset(*v);
}

Var& list_write_scratch() {
    static Var* v = new Var;
    return reset(*v);
}

Var& missing_key_scratch() {
    static Var* v = new Var;
    return reset(*v);
}

const Var::List& empty_list() {
    static const Var::List* list = new Var::List;
    return *list;
}

const Var::Hash& empty_hash() {
    static const Var::Hash* hash = new Var::Hash;
    return *hash;
}

// The values of every list and every hash.
const String& list_text() {
    static const String* text = new String(u"[list]");
    return *text;
}

const String& hash_text() {
    static const String* text = new String(u"[hash]");
    return *text;
}

// How many Var destructors are running inside one another on this thread.
thread_local int32_t destroy_depth = 0;

} // namespace

Var::Var(const Var& other) {
    copy_tree(other);
}

Var::Var(Var&& other) noexcept {
    take(std::move(other));
}

Var& Var::operator=(const Var& other) {
    if (this == &other)
        return *this;
    if (!known_kind(other.kind_)) {
        unimplemented("lum::Var::operator =", static_cast<int32_t>(other.kind_));
        return *this;
    }
    // other may live inside this tree, so it is copied before the old tree goes.
    Var copy(other);
    return *this = std::move(copy);
}

Var& Var::operator=(Var&& other) noexcept {
    if (this == &other)
        return *this;
    // other may live inside this tree: take it out before dropping the old members.
    Var taken(std::move(other));
    MembersPtr old = std::move(members_);
    take(std::move(taken));
    release(std::move(old));
    return *this;
}

Var& Var::operator=(const Value& value) {
    Value copy(value);
    clear();
    value_ = std::move(copy);
    return *this;
}

Var::~Var() {
    if (members_)
        release(std::move(members_));
}

void Var::take(Var&& other) noexcept {
    kind_ = other.kind_;
    count_ = other.count_;
    value_ = std::move(other.value_);
    members_ = std::move(other.members_);
    other.kind_ = VarKind::SCALAR;
    other.count_ = 0;
    other.value_ = Value();
}

void Var::copy_tree(const Var& other) {
    kind_ = other.kind_;
    count_ = other.count_;
    value_ = other.value_;
    if (!other.members_ || other.members_->empty())
        return;
    // Pairs of a source collection and its fresh copy, still to be filled.
    std::vector<std::pair<const Members*, Members*>> work;
    members_ = new_members(kind_);
    work.emplace_back(other.members_.get(), members_.get());
    auto copy_one = [&work](const Var& from, Var& to) {
        to.kind_ = from.kind_;
        to.count_ = from.count_;
        to.value_ = from.value_;
        if (from.members_ && !from.members_->empty()) {
            to.members_ = new_members(to.kind_);
            work.emplace_back(from.members_.get(), to.members_.get());
        }
    };
    while (!work.empty()) {
        auto [from, to] = work.back();
        work.pop_back();
        if (from->is_list) {
            for (const auto& [index, element] : from->list)
                copy_one(element, to->list.emplace(index).first);
        } else {
            for (const auto& [key, member] : from->hash)
                copy_one(member, to->hash.emplace(key).first);
        }
    }
}

void Var::release(MembersPtr members) noexcept {
    if (!members)
        return;
    // Plain recursion through the containers' own destructors is the fastest
    // way down; past MAX_DEPTH levels the rest of the tree goes iteratively.
    if (destroy_depth >= MAX_DEPTH) {
        dismantle(std::move(members));
        return;
    }
    ++destroy_depth;
    members.reset();
    --destroy_depth;
}

void Var::dismantle(MembersPtr members) noexcept {
    if (!members)
        return;
    // Children's members are moved to a work list before their parent goes, so
    // every destructor below finds a childless Var.
    std::vector<MembersPtr> work;
    try {
        work.push_back(std::move(members));
        while (!work.empty()) {
            MembersPtr current = std::move(work.back());
            work.pop_back();
            // The nodes themselves are not const; the tables only hand them out so.
            auto take_children = [&work](const auto& table) {
                for (const auto& entry : table) {
                    Var& child = const_cast<Var&>(entry.second);
                    if (child.members_)
                        work.push_back(std::move(child.members_));
                }
            };
            if (current->is_list)
                take_children(current->list);
            else
                take_children(current->hash);
        }
    } catch (...) {
        // Out of memory for the work list: what is left goes by plain recursion.
    }
}

void Var::MembersDeleter::operator()(Members* members) const noexcept {
    if (!NODE_POOL_ENABLED) {
        delete members;
        return;
    }
    members->~Members();
    node_pool_give(members, sizeof(Members));
}

Var::Members::Members(VarKind kind) : is_list(kind == VarKind::LIST) {
    if (is_list)
        new (&list) List();
    else
        new (&hash) Hash();
}

Var::Members::~Members() {
    if (is_list)
        list.~List();
    else
        hash.~Hash();
}

Var::MembersPtr Var::new_members(VarKind kind) {
    if (!NODE_POOL_ENABLED)
        return MembersPtr(new Members(kind));
    void* block = node_pool_take(sizeof(Members));
    return MembersPtr(new (block) Members(kind));
}

Var::Members& Var::members() {
    if (!members_)
        members_ = new_members(kind_);
    return *members_;
}

void Var::clear() {
    kind_ = VarKind::SCALAR;
    count_ = 0;
    value_.type_ = ValueType::Null;
    value_.payload_.i = 0;
    if (!value_.text_.empty())
        value_.text_ = String();
    if (members_)
        release(std::move(members_));
}

void Var::make_list() {
    clear();
    kind_ = VarKind::LIST;
    value_.type_ = ValueType::String;
    value_.text_ = list_text();
}

void Var::make_hash() {
    clear();
    kind_ = VarKind::HASH;
    value_.type_ = ValueType::String;
    value_.text_ = hash_text();
}

void Var::set_string(String s) {
    clear();
    value_.type_ = ValueType::String;
    value_.text_ = std::move(s);
}

Var& Var::operator[](int32_t n) {
    if (kind_ != VarKind::LIST)
        make_list();
    // The largest index has no count one above it, so it is refused like a negative one.
    if (n < 0 || n == std::numeric_limits<int32_t>::max())
        return list_write_scratch();
    if (n >= count_)
        count_ = n + 1;
    return members().list.emplace(n).first;
}

const Var& Var::operator[](int32_t n) const {
    if (kind_ == VarKind::LIST && members_) {
        const List& list = members_->list;
        auto it = list.find(n);
        if (it != list.end())
            return it->second;
    }
    return list_read_scratch();
}

Var& Var::operator[](const String& key) {
    if (kind_ != VarKind::HASH)
        make_hash();
    return members().hash.emplace(key).first;
}

Var& Var::operator[](String&& key) {
    if (kind_ != VarKind::HASH)
        make_hash();
    return members().hash.emplace(std::move(key)).first;
}

const Var& Var::operator[](const String& key) const {
    if (kind_ == VarKind::HASH && members_) {
        const Hash& hash = members_->hash;
        auto it = hash.find(key);
        if (it != hash.end())
            return it->second;
    }
    return missing_key_scratch();
}

bool Var::has(const String& key) const {
    return kind_ == VarKind::HASH && members_ && members_->hash.count(key) != 0;
}

const Var::List& Var::list() const {
    return kind_ == VarKind::LIST && members_ ? members_->list : empty_list();
}

const Var::Hash& Var::hash() const {
    return kind_ == VarKind::HASH && members_ ? members_->hash : empty_hash();
}

} // namespace lum
