// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/code_page_932.h"
#include "export/export_name.h"
#include "testkit/doc_builder.h"

#include <gtest/gtest.h>

namespace {

TEST(ExportName, RemovesLowerCaseTvxThenEveryDot)
{
    const std::pair<const char*, const char*> cases[] = {
        {"sample.tvx", "sample"},  {"my.photo.tvx", "myphoto"}, {"tvxlogo.tvx", "logo"},
        {"LOGO.TVX", "LOGOTVX"},   {"TOVIX1", "TOVIX1"},        {"a.b.c", "abc"},
        {"ttvxvx", "tvx"},         {"...", ""},                 {"絵.tvx", "絵"},
    };
    for (const auto& [title, name] : cases) EXPECT_EQ(MakeExportName(title), name) << title;
}

TEST(ExportName, Format1ArrayNameCompilesAndKeepsCodePage932Characters)
{
    const auto doc = testing_support::MakeDocument(1, 1, ColorMode::Colors256, [](int) { return 0u; });
    const std::pair<const char*, const char*> cases[] = {
        {"my-logo", "my_logo"},   {"a b+c(d)", "a_b_c_d_"}, {"9lives", "_9lives"},
        {"絵-1", "絵_1"},         {"１番", "１番"},         {"x_Y9", "x_Y9"},
        {"int", "int_img"},
    };
    for (const auto& [name, identifier] : cases) {
        const std::string text = testing_support::FromCodePage932(testing_support::ExportText(*doc, true, name));
        EXPECT_NE(text.find(std::string("unsigned char ") + identifier + "[3]"), std::string::npos) << name;
    }
}

// A keyword or a C library name, also one that the identifier rules make,
// gets "_img" in every writer; a name that only contains or resembles one
// does not. A name the user chose is refused instead, saying why.
TEST(ExportName, ReservedNamesGetImgAndAreRefusedWhenChosen)
{
    struct Case {
        const char* name;
        const char* identifier;
        const char* refusal;
    } cases[] = {
        {"return", "return_img", "'return' is a C or C++ keyword"},
        {"this", "this_img", "'this' is a C or C++ keyword"},
        {"_Bool", "_Bool_img", "'_Bool' is a C or C++ keyword"},
        {"static-assert", "static_assert_img", "'static_assert' is a C or C++ keyword"},
        {"clock", "clock_img", "'clock' is a name the C standard library declares"},
        {"stdin", "stdin_img", "'stdin' is a name the C standard library declares"},
        {"ATOMIC_BOOL_LOCK_FREE", "ATOMIC_BOOL_LOCK_FREE_img", "declares"},   // first of the library's table
        {"wscanf_s", "wscanf_s_img", "declares"},                             // last
        {"errno", "errno_img", "declares"},
        {"FILE", "FILE_img", "declares"},
        {"int8_t", "int8_t_img", "declares"},
        {"sinf32x", "sinf32x_img", "declares"},
        {"Return", "Return", nullptr},
        {"clocks", "clocks", nullptr},
        {"clock_img", "clock_img", nullptr},
        {"file", "file", nullptr},
        {"_9return", "_9return", nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeCIdentifier(c.name), c.identifier) << c.name;
        EXPECT_EQ(MakeFormat1Identifier(c.name), c.identifier) << c.name;
        const std::optional<std::string> refusal = ChosenNameError(c.name);
        EXPECT_EQ(refusal.has_value(), c.refusal != nullptr) << c.name;
        if (refusal && c.refusal) {
            EXPECT_NE(refusal->find(c.refusal), std::string::npos) << *refusal;
        }
    }
}

TEST(CodePage932, ConvertsHalfWidthKatakanaAndMarksWhatItCannotMap)
{
    const std::pair<const char*, const char*> cases[] = {
        {" ｶﾗｰﾓｰﾄﾞ", " \xB6\xD7\xB0\xD3\xB0\xC4\xDE"},
        {"×", "\x81\x7E"},
        {"～", "\x81\x60"},
        {"plain", "plain"},
        {"a😀b", "a?b"},                 // no code-page-932 form
        {"x\xFFy", "x?y"},               // not UTF-8 at all
        {"x\xE3y", "x?y"},               // a lead byte without its continuation
        {"end\xE3\x81", "end?"},         // cut inside a character
    };
    for (const auto& [utf8, expected] : cases) EXPECT_EQ(ToCodePage932(utf8), expected) << utf8;
}

} // namespace
