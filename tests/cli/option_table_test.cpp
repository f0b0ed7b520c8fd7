// SPDX-License-Identifier: GPL-3.0-or-later
// The option table's rows against what is made of them.
#include "cli/command_line.h"
#include "cli/option_table.h"
#include "cli/usage_text.h"
#include "core/kept_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// The words offered for a value are those its taker accepts, and nothing else gets through.
TEST(OptionTableTest, OfferedWordsAreTheAcceptedOnes)
{
    int nOptionsWithWords = 0;
    for (const ToolOption& option : ToolOptions()) {
        const std::string words = option.Choices();
        if (words.empty()) continue;
        ++nOptionsWithWords;
        const std::string name = std::string("--") + option.pszLong;
        std::istringstream in(words);
        for (std::string word; std::getline(in, word, '|');) {
            CommandLine line;
            EXPECT_EQ(option.take(line, word, name), std::nullopt) << name << " " << word;
        }
        for (const char* pszWrong : {"", "nonsense", "0"}) {
            CommandLine line;
            EXPECT_NE(option.take(line, pszWrong, name), std::nullopt) << name << " '" << pszWrong << "'";
        }
    }
    // -f, --for, -m, the geometry, reduction and layout options with words.
    EXPECT_EQ(nOptionsWithWords, 13);
}

// --help lines up every option's text in its group's column, 25 or 31 (the
// options of -f bytes), beside the name or, when the name is too long, below
// it; the options of -f bytes come under their heading, the rest after a gap.
TEST(OptionTableTest, HelpTextsStartInTheirGroupsColumn)
{
    std::istringstream help(UsageText());
    std::vector<std::string> lines;
    for (std::string line; std::getline(help, line);) lines.push_back(line);
    HelpGroup previous = HelpGroup::General;
    for (const ToolOption& option : ToolOptions()) {
        std::string name = option.cShort != 0 ? std::string("  -") + option.cShort + ", --" : std::string("      --");
        name += option.pszLong;
        const auto entry = std::find_if(lines.begin(), lines.end(), [&name](const std::string& line) {
            return line.starts_with(name) && (line.size() == name.size() || line[name.size()] == ' ');
        });
        ASSERT_NE(entry, lines.end()) << name;
        if (option.group != previous) {
            EXPECT_EQ(*(entry - 1), option.group == HelpGroup::Bytes ? "Options of -f bytes:" : "") << name;
            previous = option.group;
        }
        const std::size_t nColumn = option.group == HelpGroup::Bytes ? 31 : 25;
        auto text = entry;
        if (entry->size() > nColumn && (*entry)[nColumn - 1] == ' ') {
            EXPECT_NE((*entry)[nColumn], ' ') << *entry;
        } else {
            ++text;
            EXPECT_TRUE(text->starts_with(std::string(nColumn, ' ')) && (*text)[nColumn] != ' ') << *entry;
        }
        for (auto next = text + 1; next != lines.end() && next->starts_with(std::string(nColumn, ' ')); ++next)
            EXPECT_NE((*next)[nColumn], ' ') << *next;
    }
}

// What a document keeps is named by the tool's option that gives it, each
// under a tag of its own: a reused tag would make a file mean two things.
TEST(OptionTableTest, KeptSettingsAreToolOptionsUnderTagsOfTheirOwn)
{
    std::set<std::uint16_t> tags;
    for (const KeptSetting& kept : KeptSettings()) {
        EXPECT_TRUE(tags.insert(kept.nTag).second) << kept.nTag;
        EXPECT_TRUE(std::ranges::any_of(ToolOptions(), [&kept](const ToolOption& option) {
            return std::string_view(option.pszLong) == kept.pszOption;
        })) << kept.pszOption;
    }
}
