#include "export/code_page_932.h"
#include "export/export_name.h"

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
