// SPDX-License-Identifier: GPL-3.0-or-later
// Both text formats against a second writer that follows the written steps
// one by one, with its own loops and counters, for every mode, every width up
// to 300 and heights 1 to 3: every line-break rule and both size prefixes.
#include "testkit/doc_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

using namespace testing_support;

namespace {

// Collects text as a file opened for text would store it: "\n" as CR LF.
struct PlainText {
    std::string bytes;
    void Put(const std::string& s)
    {
        for (char c : s) {
            if (c == '\n') bytes += '\r';
            bytes += c;
        }
    }
    void Printf(const char* format, long value)
    {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, format, value);
        Put(buffer);
    }
};

struct PlainSection {
    int nMode;
    const char* pszType;
    bool bLongPrefixPossible;
    const char* pszValue;     // FORMAT_1's value format; FORMAT_2 drops the "0x"
    const char* pszLast;
    int nPerLine;
    const char* pszIdentifier;
};

const PlainSection kSections[] = {
    {6, "unsigned char", true, "0x%02x,", "0x%02x\n", 16, "TOVIX_64"},
    {8, "unsigned char", true, "0x%02x,", "0x%02x\n", 16, "TOVIX_256"},
    {1, "unsigned char", true, nullptr, nullptr, 16, "TOVIX_MONO"},
    {15, "unsigned short", false, "0x%04x,", "0x%04x\n", 16, "TOVIX_32K_15BPP"},
    {16, "unsigned short", false, "0x%04x,", "0x%04x\n", 16, "TOVIX_65K_16BPP"},
    {24, "unsigned long", false, "0x%06x,", "0x%06x\n", 8, "TOVIX_FULL"},
};

std::string WithoutPrefix(const char* format)
{
    std::string s = format;
    return s.substr(0, 2) == "0x" ? s.substr(2) : s;
}

void PlainValues(PlainText& out, const PlainSection& s, long W, long H, const std::function<long(long)>& e, bool bFormat1)
{
    const std::string value = bFormat1 ? s.pszValue : WithoutPrefix(s.pszValue);
    const std::string last = bFormat1 ? s.pszLast : WithoutPrefix(s.pszLast);
    long nLine = 0, nColumn = 0;
    for (long n = 0; n <= W * H - 2; ++n) {
        if (nLine >= s.nPerLine) {
            out.Put("\n");
            nLine = 0;
        }
        if (nColumn >= W) {
            out.Put("\n");
            nLine = 0;
            nColumn = 0;
        }
        out.Printf(value.c_str(), e(n));
        ++nLine;
        ++nColumn;
    }
    out.Printf(last.c_str(), e(W * H - 1));
}

// Both formats pack two colours alike, prefix included.
void PlainPacking(PlainText& out, long W, long H, const std::function<long(long)>& e)
{
    for (long r = 0; r < H; ++r) {
        unsigned accumulator = 0;
        int nBits = 0, nBytes = 0;
        for (long k = 0; k < W; ++k) {
            if (e(r * W + k) == 0) accumulator |= 1;
            ++nBits;
            if (nBits == 8) {
                out.Printf(r == H - 1 && k == W - 1 ? "0x%02x" : "0x%02x,", accumulator);
                accumulator = 0;
                nBits = 0;
                if (++nBytes == 16) {
                    out.Put("\n");
                    nBytes = 0;
                }
            } else {
                accumulator = (accumulator << 1) & 0xFF;
            }
        }
        if (nBits == 0) {
            out.Put("\n");
        } else {
            accumulator = (accumulator << (7 - nBits)) & 0xFF;
            out.Printf(r == H - 1 ? "0x%02x\n" : "0x%02x,\n", accumulator);
        }
    }
}

std::string PlainFormat1(const PlainSection& s, long W, long H, const std::function<long(long)>& e)
{
    PlainText out;
    out.Put("/*************************************************\n TOVIX Output File\n");
    out.Printf(" \xB6\xD7\xB0\xD3\xB0\xC4\xDE%ld bit\n", s.nMode);
    out.Printf(" \xBB\xB2\xBD\xDE   %ld", W);
    out.Printf(" \x81\x7E %ld dot\n", H);
    out.Put("*************************************************/\n");
    const long D = s.nMode == 1 ? H * ((W + 7) / 8) : W * H;
    out.Put(std::string(s.pszType) + " sample[");
    if (s.bLongPrefixPossible && (W >= 256 || H >= 256)) {
        out.Printf("%ld] = {", D + 4);
        for (long byte : {(W >> 8) & 0xFF, W & 0xFF, (H >> 8) & 0xFF, H & 0xFF}) out.Printf("0x%02x,", byte);
        out.Put("/* WH,WL,HH,HL */\n");
    } else {
        out.Printf("%ld] = {", D + 2);
        out.Printf("%ld,", W);
        out.Printf("%ld,", H);
        out.Put(s.bLongPrefixPossible ? "/* W,H */\n" : "\n");
    }
    if (s.nMode == 1)
        PlainPacking(out, W, H, e);
    else
        PlainValues(out, s, W, H, e, true);
    out.Put("};\n");
    return out.bytes;
}

std::string PlainFormat2(const PlainSection& s, long W, long H, const std::function<long(long)>& e)
{
    PlainText out;
    out.Put(s.pszIdentifier);
    out.Printf(",%ld", W);
    out.Printf(",%ld,\n", H);
    if (s.nMode == 1)
        PlainPacking(out, W, H, e);
    else
        PlainValues(out, s, W, H, e, false);
    return out.bytes;
}

TEST(PlainTextWriter, EveryModeWidthAndHeightMatchTheWrittenSteps)
{
    for (const PlainSection& s : kSections) {
        for (int W = 1; W <= 300; ++W) {
            for (int H = 1; H <= 3; ++H) {
                // Pixels that reach both colours of two-colour rows and vary every value.
                auto doc = MakeDocument(W, H, static_cast<ColorMode>(s.nMode), [](int i) {
                    const std::uint32_t n = static_cast<std::uint32_t>(i);
                    return ((n * 2654435761u) >> 8) & 0xFFFFFF;
                });
                const auto e = [&](long n) { return static_cast<long>(doc->EncodePixel(static_cast<std::int32_t>(n))); };
                ASSERT_EQ(ExportText(*doc, true), PlainFormat1(s, W, H, e)) << "mode " << s.nMode << ", " << W << " x " << H;
                ASSERT_EQ(ExportText(*doc, false), PlainFormat2(s, W, H, e)) << "mode " << s.nMode << ", " << W << " x " << H;
            }
        }
    }
}

} // namespace
