// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "core/color_mode.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Shared pieces of the readers that turn export text back into pixels.

// Why a text is no export, naming its line; empty when it is.
using ReadError = std::optional<std::string>;

// Lines of the text without their CR LF or LF, numbered from 1.
class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}

    bool Next(std::string_view& line);
    int Number() const { return m_nNumber; }

private:
    std::string_view m_text;
    std::size_t m_nPos = 0;
    int m_nNumber = 0;
};

std::string AtLine(int nLine, const std::string& text);
std::string SizeText(std::int64_t nWidth, std::int64_t nHeight);

// A whole decimal number of at most nine digits.
std::optional<std::int64_t> ParseDecimal(std::string_view text);

// The runs of decimal digits in a line, in order: the numbers a fixed line
// was made from, to make it again and compare.
std::vector<std::int64_t> NumbersIn(std::string_view line);

// Splits TEXT off the front of a line; false when the line does not start with it.
bool Consume(std::string_view& line, std::string_view text);

// Width and height that a picture read back can hold.
ReadError CheckSize(int nLine, std::int64_t nWidth, std::int64_t nHeight);

// How the values of the data are written.
struct ValueFormat {
    int nDigits;
    bool bPrefix;          // "0x" before each value
    std::uint32_t nMax;    // the largest value the format gives
};

// Reads the comma-separated values of the data, exactly nCount of them.
ReadError ReadValues(Lines& lines, const ValueFormat& format, std::size_t nCount, std::vector<std::uint32_t>& values);

// After the data: "};" when asked for, and then nothing but empty lines.
ReadError ReadArrayEnd(Lines& lines, bool bClosingLine);

// The picture from one encoded value a pixel; a palette format's values
// index the palette's packed colours, which the picture keeps with them.
PictureBuffer DecodedPicture(ColorMode mode, std::int64_t nWidth, std::int64_t nHeight,
                             const std::vector<std::uint32_t>& values, const std::vector<std::uint32_t>& palette = {});
