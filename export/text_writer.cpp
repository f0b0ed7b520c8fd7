// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/text_writer.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// "00" to "ff", two characters an entry.
constexpr std::array<char, 512> MakeHexPairs()
{
    std::array<char, 512> pairs{};
    constexpr char digits[] = "0123456789abcdef";
    for (int i = 0; i < 256; ++i) {
        pairs[2 * i] = digits[i >> 4];
        pairs[2 * i + 1] = digits[i & 15];
    }
    return pairs;
}

constexpr std::array<char, 512> kHexPairs = MakeHexPairs();

// "0x00," to "0xff,", five characters in eight, so that one 8-byte store
// writes an entry; the three after it are overwritten by the next.
constexpr std::array<char, 2048> MakeListEntries()
{
    std::array<char, 2048> entries{};
    for (int i = 0; i < 256; ++i) {
        entries[8 * i] = '0';
        entries[8 * i + 1] = 'x';
        entries[8 * i + 2] = kHexPairs[2 * i];
        entries[8 * i + 3] = kHexPairs[2 * i + 1];
        entries[8 * i + 4] = ',';
    }
    return entries;
}

alignas(8) constexpr std::array<char, 2048> kListEntries = MakeListEntries();

} // namespace

void TextWriter::Text(std::string_view text)
{
    for (char c : text) {
        if (c == '\n') {
            NewLine();
        } else {
            Reserve(1);
            m_buffer[m_nUsed++] = c;
        }
    }
}

void TextWriter::Decimal(std::int64_t value)
{
    char digits[24];
    int n = 0;
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    Reserve(static_cast<std::size_t>(n) + 1);
    if (value < 0) m_buffer[m_nUsed++] = '-';
    while (n > 0) m_buffer[m_nUsed++] = digits[--n];
}

void TextWriter::Hex(std::uint32_t value, int nDigits, bool bPrefix)
{
    Reserve(8);
    if (bPrefix) {
        m_buffer[m_nUsed++] = '0';
        m_buffer[m_nUsed++] = 'x';
    }
    for (int shift = (nDigits - 2) * 4; shift >= 0; shift -= 8) {
        std::memcpy(m_buffer + m_nUsed, &kHexPairs[2 * ((value >> shift) & 0xFF)], 2);
        m_nUsed += 2;
    }
}

void TextWriter::ByteList(const std::uint8_t* bytes, std::size_t nCount, int nPerLine, bool bMore)
{
    const std::size_t nLine = static_cast<std::size_t>(nPerLine);
    for (std::size_t i = 0; i < nCount; i += nLine) {
        const std::size_t nOnLine = nCount - i < nLine ? nCount - i : nLine;
        Reserve(5 * nOnLine + 3 + 2);
        for (std::size_t k = 0; k < nOnLine; ++k) {
            std::memcpy(m_buffer + m_nUsed, &kListEntries[8 * bytes[i + k]], 8);
            m_nUsed += 5;
        }
        if (i + nOnLine == nCount && !bMore) --m_nUsed;   // no comma after the last
        NewLine();
    }
}

void TextWriter::WordList(const std::uint8_t* pairs, std::size_t nCount, int nPerLine, bool bMore)
{
    const std::size_t nLine = static_cast<std::size_t>(nPerLine);
    for (std::size_t i = 0; i < nCount; i += nLine) {
        const std::size_t nOnLine = nCount - i < nLine ? nCount - i : nLine;
        Reserve(7 * nOnLine + 2);
        for (std::size_t k = 0; k < nOnLine; ++k) {
            const std::uint8_t* pair = pairs + 2 * (i + k);
            std::memcpy(m_buffer + m_nUsed, &kListEntries[8 * pair[1]], 4);
            std::memcpy(m_buffer + m_nUsed + 4, &kHexPairs[2 * pair[0]], 2);
            m_buffer[m_nUsed + 6] = ',';
            m_nUsed += 7;
        }
        if (i + nOnLine == nCount && !bMore) --m_nUsed;   // no comma after the last
        NewLine();
    }
}

void TextWriter::Raw(const std::uint8_t* bytes, std::size_t nCount)
{
    while (nCount > 0) {
        Reserve(nCount < kBufferSize ? nCount : kBufferSize);
        const std::size_t nPart = std::min(nCount, kBufferSize - m_nUsed);
        std::memcpy(m_buffer + m_nUsed, bytes, nPart);
        m_nUsed += nPart;
        bytes += nPart;
        nCount -= nPart;
    }
}

bool TextWriter::Flush()
{
    if (m_nUsed > 0 && !m_bFailed && !m_sink.Take(m_sink.context, m_buffer, m_nUsed)) m_bFailed = true;
    m_nUsed = 0;
    return !m_bFailed;
}
