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
    };
    for (const auto& [name, identifier] : cases) {
        const std::string text = testing_support::FromCodePage932(testing_support::ExportText(*doc, true, name));
        EXPECT_NE(text.find(std::string("unsigned char ") + identifier + "[3]"), std::string::npos) << name;
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
