# SPDX-License-Identifier: GPL-3.0-or-later
"""The mutator changes code only, never comments, literals or preprocessor lines."""

import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
from mutation_rules import line_mutants  # noqa: E402

# Each source mixes code that has mutants with text that must stay as it is.
CASES = [
    ("string", 's = "a < b && 1"; x = y < 2;', ['"a < b && 1"']),
    ("escaped quote and backslash", 's = "\\" < 1\\\\"; x = y < 2; t = "1 < 2";', ['"\\" < 1\\\\"', '"1 < 2"']),
    ("line comment", "x = y < 2; // a < b && 1", ["// a < b && 1"]),
    ("block comment", "/* a < b\n && 1 */ x = y < 2;", ["/* a < b", " && 1 */"]),
    ("raw string", 's = R"d(a < ")" && 1)d"; x = y < 2;', ['R"d(a < ")" && 1)d"']),
    ("character", "c = y < 2 ? '<' : '1';", ["'<'", "'1'"]),
    ("digit separator", "n = 1'000 + '1';", ["'1'"]),
    ("preprocessor", "#define LIMIT (a < 2 && \\\n b > 1)\nx = y < 2;", ["#define LIMIT (a < 2 && \\", " b > 1)"]),
]


class MutationRulesTest(unittest.TestCase):
    def test_only_code_changes(self):
        for name, source, kept in CASES:
            with self.subTest(name):
                mutants = list(line_mutants(source))
                self.assertTrue(mutants, "the code part has mutants")
                for m in mutants:
                    for text in kept:
                        if text in m.original and m.rule != "delete statement":
                            self.assertIn(text, m.mutated, m.mutated)

    def test_digit_separator_is_part_of_the_number(self):
        mutated = {m.mutated for m in line_mutants("n = 1'000 + '1';")}
        self.assertIn("n = 1001 + '1';", mutated)


if __name__ == "__main__":
    unittest.main()
