// SPDX-License-Identifier: GPL-3.0-or-later
// The words the option table offers for a value (completion, manual) are
// the words each option's taker accepts, and nothing else gets through.
#include "cli/command_line.h"
#include "cli/option_table.h"

#include <gtest/gtest.h>

#include <sstream>

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
