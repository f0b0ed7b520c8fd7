// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/output_sink.h"

#include <cstdint>
#include <string_view>

// How "\n" goes out: CR LF in the program's formats, LF in C sources for
// display drivers.
enum class LineEnds { CrLf, Lf };

// Buffered export text: every "\n" goes out as the chosen line end,
// hexadecimal comes from a lookup table, and bytes reach the sink in large
// blocks. A failed write is remembered; everything after it is dropped.
class TextWriter {
public:
    explicit TextWriter(OutputSink sink, LineEnds lineEnds = LineEnds::CrLf) : m_sink(sink), m_bCrLf(lineEnds == LineEnds::CrLf) {}
    ~TextWriter() { Flush(); }
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    // Bytes as they are, but with each "\n" as the chosen line end.
    void Text(std::string_view text);
    void NewLine()
    {
        Reserve(2);
        if (m_bCrLf) m_buffer[m_nUsed++] = '\r';
        m_buffer[m_nUsed++] = '\n';
    }
    void Decimal(std::int64_t value);

    // A value as nDigits lower-case hex digits (2, 4 or 6), zero-filled,
    // optionally after "0x".
    void Hex(std::uint32_t value, int nDigits, bool bPrefix);
    void Comma() { Reserve(1); m_buffer[m_nUsed++] = ','; }

    // Bytes as "0x%02x", nPerLine a line, a comma after every one but the
    // last, each line ended. With bMore, more of the list follows in another
    // call: the last gets its comma too, and nCount is a multiple of nPerLine.
    void ByteList(const std::uint8_t* bytes, std::size_t nCount, int nPerLine, bool bMore = false);

    // 16-bit values, each from two bytes low byte first, as "0x%04x",
    // nPerLine a line, commas as ByteList puts them.
    void WordList(const std::uint8_t* pairs, std::size_t nCount, int nPerLine, bool bMore = false);

    // Bytes exactly as they are, for binary files.
    void Raw(const std::uint8_t* bytes, std::size_t nCount);

    // Sends buffered bytes to the sink; false once any write failed.
    bool Flush();
    bool Failed() const { return m_bFailed; }

private:
    static constexpr std::size_t kBufferSize = 1 << 16;

    void Reserve(std::size_t nBytes)
    {
        if (m_nUsed + nBytes > kBufferSize) Flush();
    }

    OutputSink m_sink;
    bool m_bCrLf;
    char m_buffer[kBufferSize];
    std::size_t m_nUsed = 0;
    bool m_bFailed = false;
};
