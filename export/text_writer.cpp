#include "export/text_writer.h"

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

bool TextWriter::Flush()
{
    if (m_nUsed > 0 && !m_bFailed && std::fwrite(m_buffer, 1, m_nUsed, m_file) != m_nUsed) m_bFailed = true;
    m_nUsed = 0;
    if (!m_bFailed && std::fflush(m_file) != 0) m_bFailed = true;
    return !m_bFailed;
}
