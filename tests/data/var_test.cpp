#include "lum/data/var.hpp"

#include "support/test_access.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using lum::String;
using lum::Value;
using lum::ValueType;
using lum::Var;
using lum::VarKind;

namespace {

std::string text_of(const Var& v) {
    return v.to_string().to_utf8();
}

} // namespace

TEST(Value, ConvertsEveryHeldTypeToTextAndInteger) {
    EXPECT_EQ(Value().to_string().to_utf8(), "");
    EXPECT_EQ(Value().to_int64(), 0);
    EXPECT_EQ(Value(true).to_string().to_utf8(), "true");
    EXPECT_EQ(Value(false).to_string().to_utf8(), "false");
    EXPECT_EQ(Value(true).to_int64(), 1);
    EXPECT_EQ(Value(-5).to_string().to_utf8(), "-5");
    EXPECT_EQ(Value(int64_t{-9223372036854775807 - 1}).to_string().to_utf8(), "-9223372036854775808");
    EXPECT_EQ(Value(2.5).to_string().to_utf8(), "2.5");
    EXPECT_EQ(Value(0.1).to_string().to_utf8(), "0.1");
    EXPECT_EQ(Value(1e20).to_string().to_utf8(), "1e+20");
    EXPECT_EQ(Value(2.9).to_int64(), 2);
    EXPECT_EQ(Value(-2.9).to_int64(), -2);
    EXPECT_EQ(Value(5e9).to_int64(), 5000000000);
    EXPECT_EQ(Value("12").to_int64(), 12);
    EXPECT_EQ(Value(" -0x10").to_int64(), -16);
    EXPECT_EQ(Value("abc").to_int64(), 0);
    EXPECT_EQ(Value("x y").to_string().to_utf8(), "x y");
    EXPECT_EQ(Value(String(u"ä")).type(), ValueType::String);
}

TEST(Value, BoundValuesReadTheVariableAtEachConversion) {
    bool b = false;
    int16_t s = -300;
    int32_t i = 70000;
    float f = 1.5f;
    double d = 5e9;
    String t("12 apples");
    Value vb(&b), vs(&s), vi(&i), vf(&f), vd(&d), vt(&t);
    EXPECT_EQ(vb.type(), ValueType::BoundBool);
    EXPECT_EQ(vs.type(), ValueType::BoundShort);
    EXPECT_EQ(vi.type(), ValueType::BoundInt);
    EXPECT_EQ(vf.type(), ValueType::BoundFloat);
    EXPECT_EQ(vd.type(), ValueType::BoundDouble);
    EXPECT_EQ(vt.type(), ValueType::BoundString);

    EXPECT_EQ(vb.to_string().to_utf8(), "false");
    b = true;
    EXPECT_EQ(vb.to_string().to_utf8(), "true");
    EXPECT_EQ(vb.to_int64(), 1);
    EXPECT_EQ(vs.to_string().to_utf8(), "-300");
    EXPECT_EQ(vs.to_int64(), -300);
    EXPECT_EQ(vi.to_string().to_utf8(), "70000");
    EXPECT_EQ(vf.to_string().to_utf8(), "1.5");
    f = -2.75f;
    EXPECT_EQ(vf.to_int64(), -2);
    // Bound floating variables keep the low 32 bits of their truncation:
    // 5000000000 = 0x12A05F200, whose low half is 0x2A05F200 = 705032704.
    EXPECT_EQ(vd.to_int64(), 705032704);
    d = 3e9; // 0xB2D05E00 as a signed 32-bit number
    EXPECT_EQ(vd.to_int64(), -1294967296);
    EXPECT_EQ(vd.to_string().to_utf8(), "3e+09");
    EXPECT_EQ(vt.to_int64(), 12);
    t = String("changed");
    EXPECT_EQ(vt.to_string().to_utf8(), "changed");

    // A copy points at the same variable.
    Var copy;
    copy = Var(vi);
    i = -4;
    EXPECT_EQ(copy.to_int64(), -4);
    Var copied(copy);
    i = 11;
    EXPECT_EQ(copied.to_string().to_utf8(), "11");
}

TEST(Value, UnknownTagsPrintUnimplementedAndGiveEmptyResults) {
    Value odd = lum::TestAccess::value_with_tag(11, 7);
    testing::internal::CaptureStderr();
    EXPECT_EQ(odd.to_string().to_utf8(), "");
    EXPECT_EQ(odd.to_int64(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "lum::Value::to_string: unimplemented - 11\nlum::Value::to_int64: unimplemented - 11\n");
}

TEST(Var, NewAndReshapedVarsConvertAsTheirValue) {
    Var v;
    EXPECT_TRUE(v.is_scalar());
    EXPECT_EQ(v.value().type(), ValueType::Null);
    EXPECT_EQ(text_of(v), "");
    EXPECT_EQ(v.to_int64(), 0);
    EXPECT_EQ(v.count(), 0);
    v.make_list();
    EXPECT_EQ(text_of(v), "[list]");
    EXPECT_EQ(v.to_int64(), 0);
    v.make_hash();
    EXPECT_EQ(text_of(v), "[hash]");
    v.set_string("12");
    EXPECT_TRUE(v.is_scalar());
    EXPECT_EQ(v.to_int64(), 12);
    v = Value(2.9);
    EXPECT_EQ(v.to_int64(), 2);
    v.clear();
    EXPECT_EQ(v.value().type(), ValueType::Null);
}

TEST(Var, ListsAreSparseAndCountOneAboveTheHighestWrittenIndex) {
    Var v;
    v[5].set_string("five");
    EXPECT_TRUE(v.is_list());
    EXPECT_EQ(v.count(), 6);
    EXPECT_EQ(v.list().size(), 1u);
    const Var& c = v;
    EXPECT_EQ(text_of(c[5]), "five");
    EXPECT_EQ(c[2].value().type(), ValueType::Null);
    EXPECT_EQ(v.list().size(), 1u); // reading created nothing
    v[1].set_string("one");
    EXPECT_EQ(v.count(), 6);
    EXPECT_EQ(v.list().begin()->first, 1);

    // A negative index hands out the scratch Var and leaves the list alone.
    Var& scratch = v[-1];
    scratch.set_string("lost");
    EXPECT_EQ(v.count(), 6);
    EXPECT_EQ(v.list().size(), 2u);
    EXPECT_EQ(v[-3].value().type(), ValueType::Null);
    EXPECT_EQ(&v[-3], &scratch);
    // The largest index cannot raise the count past int32_t: refused the same way.
    v[2147483647].set_string("x");
    EXPECT_EQ(v.count(), 6);
    EXPECT_EQ(c[2147483647].value().type(), ValueType::Null);

    // Writing an element of a hash makes it a list and drops the members.
    Var h;
    h["a"].set_string("x");
    h[2].set_string("y");
    EXPECT_TRUE(h.is_list());
    EXPECT_EQ(h.count(), 3);
    EXPECT_FALSE(h.has("a"));
    EXPECT_EQ(text_of(h), "[list]");
    // A scalar, a hash and a missing element all read as null through const access.
    const Var& ch = h;
    EXPECT_EQ(ch[7].value().type(), ValueType::Null);
    EXPECT_EQ(ch["a"].value().type(), ValueType::Null);
    EXPECT_EQ(h.count(), 3);
}

TEST(Var, HashesKeepCodeUnitOrderAndReadMissingKeysAsNull) {
    Var v;
    for (const char* key : {"b", "Right", "a", "B", "Left", "A"})
        v[key].set_string(key);
    std::string order;
    for (const auto& [key, member] : v.hash())
        order += key.to_utf8() + " ";
    EXPECT_EQ(order, "A B Left Right a b ");
    // Code units compare as unsigned numbers: U+00E4 after "z", U+FF21 after U+3042.
    Var u;
    u[String(u"\uFF21")].set_string("1");
    u[String(u"\u3042")].set_string("2");
    u["z"].set_string("3");
    u[String(u"\u00E4")].set_string("4");
    std::u16string units;
    for (const auto& [key, member] : u.hash())
        units += key.units();
    EXPECT_EQ(units, u"z\u00E4\u3042\uFF21");

    const Var& c = v;
    EXPECT_EQ(c["missing"].value().type(), ValueType::Null);
    EXPECT_FALSE(v.has("missing"));
    EXPECT_EQ(c["missing"]["deeper"][3].to_int64(), 0);

    Var scalar;
    scalar.set_string("keep");
    const Var& cs = scalar;
    EXPECT_EQ(cs["x"].value().type(), ValueType::Null);
    EXPECT_EQ(text_of(scalar), "keep");

    // Writing builds the path as it goes.
    Var doc;
    doc["Keyboard"]["Left"][1].set_string("Left");
    EXPECT_TRUE(doc.is_hash());
    EXPECT_EQ(doc["Keyboard"]["Left"].count(), 2);
    EXPECT_EQ(text_of(c["A"]), "A");
}

TEST(Var, ScratchVarsAreResetBeforeEachUse) {
    Var list;
    list.make_list();
    Var& scratch = list[-1];
    scratch["deep"][0].set_string("x");
    EXPECT_TRUE(list[-1].is_scalar());
    EXPECT_EQ(list[-1].value().type(), ValueType::Null);
}

TEST(Var, CopiesAreDeepAndAssignmentReplacesEverything) {
    Var a;
    a["x"][0].set_string("1");
    a["y"].set_string("2");
    Var b(a);
    b["x"][0].set_string("changed");
    EXPECT_EQ(text_of(a["x"][0]), "1");

    // Assigning a list to a scalar gives a plain list, "[list]" included.
    Var target;
    target.set_string("old text");
    Var list;
    list[1].set_string("e");
    target = list;
    EXPECT_TRUE(target.is_list());
    EXPECT_EQ(target.count(), 2);
    EXPECT_EQ(text_of(target), "[list]");
    target = Var(Value(7));
    EXPECT_TRUE(target.is_scalar());
    EXPECT_EQ(target.to_int64(), 7);
    EXPECT_EQ(target.count(), 0);

    // Self-assignment and assignment from inside the same tree keep the data.
    Var& alias = a;
    a = alias;
    EXPECT_EQ(text_of(a["y"]), "2");
    a = a["x"];
    EXPECT_TRUE(a.is_list());
    EXPECT_EQ(text_of(a[0]), "1");
    Var tree;
    tree["k"]["j"].set_string("v");
    tree = std::move(tree["k"]);
    EXPECT_EQ(text_of(tree["j"]), "v");
    tree["self"] = tree;
    EXPECT_EQ(text_of(tree["self"]["j"]), "v");
    EXPECT_EQ(tree["self"]["self"].value().type(), ValueType::Null);
}

TEST(Var, UnknownKindsPrintUnimplemented) {
    Var odd = lum::TestAccess::var_with_kind(3);
    Var target;
    target.set_string("kept");
    testing::internal::CaptureStderr();
    target = odd;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "lum::Var::operator =: unimplemented - 3\n");
    EXPECT_EQ(text_of(target), "kept");
    testing::internal::CaptureStderr();
    EXPECT_EQ(odd.block_form(0), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "lum::Var::print_r: unimplemented - 3\n");
}

TEST(Var, VeryDeepTreesCopyPrintAndFreeWithoutRecursion) {
    // Far deeper than any stack could recurse through.
    auto build = [](Var& root, int depth) {
        Var* v = &root;
        for (int i = 0; i < depth; ++i)
            v = &(i % 2 ? (*v)["k"] : (*v)[0]);
        v->set_string("leaf");
    };
    constexpr int depth = 100000;
    Var root;
    build(root, depth);
    Var copy(root);
    const Var* c = &copy;
    for (int i = 0; i < depth; ++i)
        c = i % 2 ? &(*c)["k"] : &(*c)[0];
    EXPECT_EQ(text_of(*c), "leaf");
    Var assigned;
    assigned = copy;
    copy.clear();
    EXPECT_TRUE(copy.is_scalar());
    Var moved(std::move(assigned));
    EXPECT_TRUE(moved.is_list());

    // The block form grows with the square of the depth, so it is checked less deep.
    Var printed;
    build(printed, 2000);
    std::string text = printed.block_form(0);
    // The last level is member "k" of a hash at depth 1999.
    EXPECT_EQ(text.size() - text.rfind('\n', text.size() - 2) - 1,
              2 * 1999 + std::string("k: leaf\n").size());
    EXPECT_TRUE(text.ends_with(std::string(2 * 1999, ' ') + "k: leaf\n"));
}
