#pragma once

#include "lum/data/node_pool.hpp"
#include "lum/data/value.hpp"
#include "lum/data/var_table.hpp"
#include "lum/text/string.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <tuple>

namespace lum {

class File;
class Path;

// The shape of a Var.
enum class VarKind : int32_t { SCALAR = 0, LIST = 1, HASH = 2 };

// The text forms Var::parse reads.
enum class DataFormat : int32_t {
    DETECT = 0,   // guess with Var::detect_format, then read that
    NONE = 1,     // nothing is read
    YAML = 2,     // YAML through libyaml's event parser
    BRACES = 3,   // lines starting with "{", "[" or a double quote: nothing is read
    SECTIONS = 4, // "[section]" headers and "key = value" lines
    CSV = 5,      // comma-separated values: a list of rows, each a list of fields
};

// The engine's dynamic value: a scalar (a Value), a sparse list indexed from 0
// or a hash ordered by UTF-16 code units. A Var owns its elements outright and
// copies deeply. No access throws: missing elements read as a null Var, and
// writing reshapes the Var as needed. Copying, printing and freeing work for
// trees of any depth without deep recursion. Not thread-safe.
class Var {
  public:
    // Elements of a list by index; indices that were never written are absent.
    using List = VarTable<int32_t>;
    // Members of a hash, in code-unit order of their keys.
    using Hash = VarTable<String>;

    // The deepest nesting of lists and hashes a reader builds; deeper documents
    // stop the read with DataParseException.
    static constexpr int32_t MAX_DEPTH = 256;

    // A null scalar.
    Var() = default;
    // A scalar holding value.
    Var(const Value& value) : value_(value) {}
    Var(const Var& other);
    Var(Var&& other) noexcept;
    Var& operator=(const Var& other);
    Var& operator=(Var&& other) noexcept;
    // Makes this a scalar holding value.
    Var& operator=(const Value& value);
    // Frees the whole tree; however deep it is, no more than MAX_DEPTH levels recurse.
    virtual ~Var();

    VarKind kind() const { return kind_; }
    bool is_scalar() const { return kind_ == VarKind::SCALAR; }
    bool is_list() const { return kind_ == VarKind::LIST; }
    bool is_hash() const { return kind_ == VarKind::HASH; }
    // The scalar; a list holds the String "[list]", a hash "[hash]".
    const Value& value() const { return value_; }

    // Makes this a null scalar with no elements or members.
    void clear();
    // An empty list (value "[list]").
    void make_list();
    // An empty hash (value "[hash]").
    void make_hash();
    // Makes this a scalar holding the String s.
    void set_string(String s);

    // Number of list elements (one more than the highest index written), 0 for
    // a scalar or a hash.
    int32_t count() const { return kind_ == VarKind::LIST ? count_ : 0; }
    // Element n for writing, created null if missing; a Var that is not a list
    // becomes an empty list first. A negative n (or the largest int32_t) gives a
    // shared scratch Var, reset to null, whose changes do not last.
    Var& operator[](int32_t n);
    // Element n, or a shared null Var when this is not a list or has no element n.
    const Var& operator[](int32_t n) const;
    // Member key for writing, created null if missing; a Var that is not a hash
    // becomes an empty hash first.
    Var& operator[](const String& key);
    Var& operator[](String&& key);
    Var& operator[](const char* key) { return (*this)[String(key)]; }
    // Member key, or a shared null Var when this is not a hash or lacks the key.
    const Var& operator[](const String& key) const;
    const Var& operator[](const char* key) const { return (*this)[String(key)]; }
    // True when this is a hash with a member key.
    bool has(const String& key) const;

    // The elements of a list (empty for other kinds).
    const List& list() const;
    // The members of a hash (empty for other kinds).
    const Hash& hash() const;

    // The value's text ("[list]" and "[hash]" for the collections).
    virtual String to_string() const { return value_.to_string(); }
    int64_t to_int64() const { return value_.to_int64(); }
    // The text written for this scalar: bare when it is ASCII letters and digits
    // only, nothing for empty text, otherwise in double quotes with YAML escapes
    // where needed. Other types write their text bare when it reads back as is.
    String quoted_form() const;

    // Writes the block form at nesting depth depth (0 for a whole document).
    void print_r(File& file, int32_t depth) const;
    // The block form at nesting depth depth as UTF-8 bytes (what print_r writes).
    std::string block_form(int32_t depth = 0) const;
    // Replaces the file at path with the block form, atomically: on any failure
    // the old file stays as it was and FileOpenException is thrown.
    void save(const Path& path) const;
    // Reads the file at path as UTF-8, detects its format and parses it into
    // this Var (not cleared first). Throws FileOpenException when the file
    // cannot be opened and DataParseException when YAML does not parse (its
    // message gives libyaml's line, column and problem).
    void load(const Path& path);
    // Reads text into this Var with the reader of format (DETECT detects first).
    // Throws DataParseException on a YAML syntax error ("line L, column C:
    // PROBLEM") or nesting deeper than MAX_DEPTH; what was read before stays.
    void parse(const String& text, DataFormat format = DataFormat::DETECT);
    // Guesses the format of text from the first and last character of its lines.
    static DataFormat detect_format(const String& text);

  private:
    // Tests build Vars with kinds outside the known range.
    friend struct TestAccess;

    struct Members;
    struct MembersDeleter {
        void operator()(Members* members) const noexcept;
    };
    using MembersPtr = std::unique_ptr<Members, MembersDeleter>;

    static MembersPtr new_members(VarKind kind);
    // The containers of a collection, created on first write.
    Members& members();
    // Takes other's content; this must have no members.
    void take(Var&& other) noexcept;
    // Copies other's tree into this, which must have no members, without recursion.
    void copy_tree(const Var& other);
    // Frees a tree of members, recursing at most MAX_DEPTH levels deep.
    static void release(MembersPtr members) noexcept;
    // Frees a tree of members without recursion.
    static void dismantle(MembersPtr members) noexcept;

    VarKind kind_ = VarKind::SCALAR;
    int32_t count_ = 0;
    Value value_;
    MembersPtr members_;
};

// The container of a list or of a hash, whichever the Var is.
struct Var::Members {
    explicit Members(VarKind kind);
    Members(const Members&) = delete;
    Members& operator=(const Members&) = delete;
    ~Members();
    bool empty() const { return is_list ? list.empty() : hash.empty(); }

    const bool is_list;
    union {
        List list;
        Hash hash;
    };
};

template <typename Key>
template <typename K>
typename VarTable<Key>::value_type* VarTable<Key>::new_node(K&& key) {
    NodeAllocator<value_type> allocator;
    value_type* node = allocator.allocate(1);
    try {
        new (node) value_type(std::piecewise_construct, std::forward_as_tuple(std::forward<K>(key)),
                              std::forward_as_tuple());
    } catch (...) {
        allocator.deallocate(node, 1);
        throw;
    }
    return node;
}

template <typename Key>
void VarTable<Key>::free_node(value_type* node) noexcept {
    node->~value_type();
    NodeAllocator<value_type>().deallocate(node, 1);
}

} // namespace lum
