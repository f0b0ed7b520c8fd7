# SPDX-License-Identifier: GPL-3.0-or-later
"""Single-line mutants of C++ source, by rules in the spirit of universalmutator's.

A mutant changes code only: comments, string and character literals and
preprocessor lines are never touched.
"""

import random
import re
from dataclasses import dataclass


@dataclass(frozen=True)
class Mutant:
    line: int  # 1-based
    original: str
    mutated: str
    rule: str


def code_masks(text):
    """For each line of text, a list of booleans: True where a character is code."""
    masks = []
    mask = []
    state = "code"
    raw_end = ""
    at_line_start = True
    in_preprocessor = False
    i = 0
    n = len(text)
    while i < n:
        c = text[i]
        if c == "\n":
            masks.append(mask)
            mask = []
            continued = i > 0 and text[i - 1] == "\\"
            if state == "line_comment":
                state = "code"
            in_preprocessor = in_preprocessor and continued
            at_line_start = True
            i += 1
            continue
        if state == "code" and at_line_start and not c.isspace():
            at_line_start = False
            if c == "#":
                in_preprocessor = True
        is_code = False
        if in_preprocessor:
            pass
        elif state == "code":
            if text.startswith("//", i):
                state = "line_comment"
            elif text.startswith("/*", i):
                mask.extend([False, False])
                state = "block_comment"
                i += 2
                continue
            elif c == '"':
                if _token_before(text, i) in RAW_STRING_PREFIXES:
                    delimiter = text[i + 1:text.index("(", i)]
                    raw_end = ")" + delimiter + '"'
                    state = "raw_string"
                else:
                    state = "string"
            elif c == "'" and not _is_digit_separator(text, i):
                state = "char"
            else:
                is_code = True
        elif state == "block_comment":
            if text.startswith("*/", i):
                mask.extend([False, False])
                state = "code"
                i += 2
                continue
        elif state in ("string", "char"):
            if c == "\\":
                mask.append(False)
                i += 1
                if i < n and text[i] != "\n":
                    mask.append(False)
                    i += 1
                continue
            if c == ('"' if state == "string" else "'"):
                state = "code"
        elif state == "raw_string":
            if text.startswith(raw_end, i):
                mask.extend([False] * len(raw_end))
                state = "code"
                i += len(raw_end)
                continue
        mask.append(is_code)
        i += 1
    masks.append(mask)
    return masks


RAW_STRING_PREFIXES = ("R", "u8R", "uR", "UR", "LR")


def _token_before(text, i):
    start = i
    while start > 0 and (text[start - 1].isalnum() or text[start - 1] in "_'"):
        start -= 1
    return text[start:i]


def _is_digit_separator(text, i):
    """A quote inside a number (1'000'000) rather than a character literal."""
    return _token_before(text, i)[:1].isdigit()


def _replace(line, start, end, new):
    """new is the text to put in, or a function of the text it replaces."""
    return line[:start] + (new(line[start:end]) if callable(new) else new) + line[end:]


def _spaced(operator):
    return r"(?<=\s)" + re.escape(operator) + r"(?=\s)"


# Binary operators, written with a space on each side: that keeps template
# brackets, stream shifts without spaces and unary signs out.
OPERATOR_SWAPS = [
    ("==", ["!="]), ("!=", ["=="]),
    ("<", ["<=", ">"]), ("<=", ["<", ">="]), (">", [">=", "<"]), (">=", [">", "<="]),
    ("&&", ["||"]), ("||", ["&&"]),
    ("+", ["-"]), ("-", ["+"]), ("*", ["/"]), ("/", ["*"]), ("%", ["/"]),
    ("+=", ["-="]), ("-=", ["+="]), ("*=", ["/="]), ("/=", ["*="]),
    ("<<", [">>"]), (">>", ["<<"]), ("&", ["|"]), ("|", ["&"]), ("^", ["&"]),
    ("|=", ["&="]), ("&=", ["|="]),
]

NUMBER = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F']+|0[bB][01']+|\d[\d']*)([uUlL]*)(?![\w.'])")
# Hexadecimal, binary and octal keep their base.
NUMBER_BASES = [("0x", 16, "0x{:x}"), ("0b", 2, "0b{:b}"), ("0", 8, "0{:o}"), ("", 10, "{}")]
DECLARATION = re.compile(r"^(?:[\w:]+(?:<[^;]*>)?[\s*&]+)+\w+\s*[=({;\[]")
LITERAL_RESULT = re.compile(r"^(?:true|false|nullptr|\{\}|-?\d+[uUlL]*)$")


def _next_to_string(line, start, end):
    """Whether a string literal stands right beside line[start:end]: then + and
    << join strings or stream them, and a swapped operator would not build."""
    return line[:start].rstrip().endswith('"') or line[end:].lstrip().startswith(('"', 'R"', 'u8"'))


def _operator_mutants(code, line):
    for operator, replacements in OPERATOR_SWAPS:
        for m in re.finditer(_spaced(operator), code):
            if operator in ("+", "<<") and _next_to_string(line, m.start(), m.end()):
                continue
            for new in replacements:
                yield m.start(), m.end(), new, "operator"
    for m in re.finditer(r"\+\+|--", code):
        yield m.start(), m.end(), "--" if m.group(0) == "++" else "++", "increment"


def _constant_mutants(line):
    for m in NUMBER.finditer(line):
        digits = m.group(1).replace("'", "").lower()
        base, spelling = next((b, f) for p, b, f in NUMBER_BASES
                              if digits.startswith(p) and len(digits) > len(p))
        if re.search("[A-F]", m.group(1)):
            spelling = spelling.replace("x}", "X}")
        value = int(digits, base)
        for new_value in {0: [1], 1: [0, 2]}.get(value, [value + 1, value - 1]):
            yield m.start(1), m.end(1), spelling.format(new_value), "constant"
    for m in re.finditer(r"\b(true|false)\b", line):
        yield m.start(), m.end(), "false" if m.group(0) == "true" else "true", "boolean"


def _matching_paren(line, open_index):
    depth = 0
    for i in range(open_index, len(line)):
        depth += {"(": 1, ")": -1}.get(line[i], 0)
        if depth == 0:
            return i
    return None


def _condition_mutants(line):
    for m in re.finditer(r"\b(?:if|while)\s*\(", line):
        close = _matching_paren(line, m.end() - 1)
        # A lone negation is the drop-negation mutant already.
        lone_negation = re.fullmatch(r"![^&|?]*", line[m.end():close or 0].strip())
        if close is not None and not lone_negation:
            yield m.end(), close, lambda inner: "!(" + inner + ")", "negate condition"
    for m in re.finditer(r"(?<![!\w)\]])!(?=[\w(*])", line):
        yield m.start(), m.end(), "", "drop negation"


def _return_mutants(line):
    for m in re.finditer(r"\breturn\s+([^;\s][^;]*);", line):
        if not LITERAL_RESULT.match(m.group(1).strip()):
            yield m.start(1), m.end(1), "{}", "return value"


def _statement_mutants(line, previous_code):
    """Deleting a whole statement that stands on its own line."""
    stripped = line.strip()
    if not stripped.endswith(";") or stripped.startswith(("return", "}", ")", "case ", "default")):
        return
    if DECLARATION.match(stripped) or stripped.count("(") != stripped.count(")"):
        return
    if previous_code and not (previous_code.endswith((";", "{", "}")) or
                              (previous_code.endswith(":") and not previous_code.endswith("::"))):
        return
    start = len(line) - len(line.lstrip())
    yield start, start + len(stripped), "", "delete statement"


def _masked(line, mask):
    """The line with every non-code character replaced by a space."""
    return "".join(c if i < len(mask) and mask[i] else " " for i, c in enumerate(line))


def line_mutants(text):
    """Every mutant of text, in line order, without duplicates."""
    lines = text.split("\n")
    masks = code_masks(text)
    seen = set()
    previous_code = ""
    for number, (line, mask) in enumerate(zip(lines, masks), start=1):
        code = _masked(line, mask)
        candidates = [
            *_operator_mutants(code, line), *_constant_mutants(code),
            *_condition_mutants(code), *_return_mutants(code),
            *_statement_mutants(code.rstrip(), previous_code),
        ]
        for start, end, new, rule in candidates:
            mutated = _replace(line, start, end, new)
            if mutated != line and (number, mutated) not in seen:
                seen.add((number, mutated))
                yield Mutant(number, line, mutated, rule)
        if code.strip():
            previous_code = code.strip()


def sample(mutants, count, seed):
    """At most count of mutants, the same ones for the same seed, in line order."""
    mutants = list(mutants)
    if len(mutants) > count:
        mutants = random.Random(seed).sample(mutants, count)
    return sorted(mutants, key=lambda m: (m.line, m.mutated))
