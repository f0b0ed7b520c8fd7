// SPDX-License-Identifier: GPL-3.0-or-later
#include "testkit/doc_builder.h"

#include <gtest/gtest.h>

#include <limits>
#include <regex>
#include <sstream>
#include <vector>

using namespace testing_support;

namespace {

// Expected text written with "\n"; the file has CR LF.
std::string Crlf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// Packed pixels whose mode-8 encodings are the given bytes: red, green and
// blue chosen so that (R & E0) | (G & E0) >> 3 | B >> 6 gives each byte.
std::uint32_t PixelFor256(std::uint32_t e)
{
    const std::uint32_t r = e & 0xE0, g = (e & 0x1C) << 3, b = (e & 0x03) << 6;
    return b << 16 | g << 8 | r;
}

constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;

std::unique_ptr<CTOVIXDoc> WorkedExample256()
{
    const std::uint32_t values[] = {0x00, 0xe0, 0x1c, 0x03, 0xff, 0x92};
    return MakeDocument(3, 2, ColorMode::Colors256, [&](int i) { return PixelFor256(values[i]); });
}

std::unique_ptr<CTOVIXDoc> WorkedExampleMono()
{
    const char* rows = "BWBWBWBWBB"
                       "WWWWWWWWWW";
    return MakeDocument(10, 2, ColorMode::Mono, [&](int i) { return rows[i] == 'B' ? kBlack : kWhite; });
}

const char* const kHeader256 = "/*************************************************\n"
                               " TOVIX Output File\n"
                               " ｶﾗｰﾓｰﾄﾞ8 bit\n"
                               " ｻｲｽﾞ   3 × 2 dot\n"
                               "*************************************************/\n";

TEST(FormatWriters, WorkedExamplesComeOutByteForByte)
{
    const std::string f1 = ExportText(*WorkedExample256(), true);
    EXPECT_EQ(FromCodePage932(f1), Crlf(std::string(kHeader256) +
                                        "unsigned char sample[8] = {3,2,/* W,H */\n"
                                        "0x00,0xe0,0x1c,\n"
                                        "0x03,0xff,0x92\n"
                                        "};\n"));
    EXPECT_EQ(ExportText(*WorkedExample256(), false), Crlf("TOVIX_256,3,2,\n00,e0,1c,\n03,ff,92\n"));

    EXPECT_EQ(FromCodePage932(ExportText(*WorkedExampleMono(), true)),
              Crlf("/*************************************************\n"
                   " TOVIX Output File\n"
                   " ｶﾗｰﾓｰﾄﾞ1 bit\n"
                   " ｻｲｽﾞ   10 × 2 dot\n"
                   "*************************************************/\n"
                   "unsigned char sample[6] = {10,2,/* W,H */\n"
                   "0xaa,0xc0,\n"
                   "0x00,0x00\n"
                   "};\n"));
    EXPECT_EQ(ExportText(*WorkedExampleMono(), false), Crlf("TOVIX_MONO,10,2,\n0xaa,0xc0,\n0x00,0x00\n"));
}

TEST(FormatWriters, HeaderIsCodePage932WithoutByteOrderMark)
{
    const std::string f1 = ExportText(*WorkedExample256(), true);
    EXPECT_EQ(f1.substr(0, 2), "/*");
    EXPECT_NE(f1.find("\r\n \xB6\xD7\xB0\xD3\xB0\xC4\xDE" "8 bit\r\n"), std::string::npos);
    EXPECT_NE(f1.find(" 3 \x81\x7E 2 dot\r\n"), std::string::npos);
    EXPECT_EQ(f1.find("\n\n"), std::string::npos) << "every line end is CR LF";
}

struct LineCase {
    const char* name;
    int nWidth, nHeight;
    ColorMode mode;
    bool bBlack;            // all pixels black, else pixel i has the mode-8 value i + 1
    const char* body;       // FORMAT_2 text after the first line, with "\n" line ends
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

class LineBreakTest : public testing::TestWithParam<LineCase> {};

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

TEST_P(LineBreakTest, RowsAndLinesBreakWhereTheyShould)
{
    const LineCase& c = GetParam();
    const bool bFull = c.mode == ColorMode::Full;
    auto doc = MakeDocument(c.nWidth, c.nHeight, c.mode, [&](int i) {
        if (c.bBlack) return kBlack;
        return bFull ? static_cast<std::uint32_t>(i + 1) << 16 : PixelFor256(static_cast<std::uint32_t>(i + 1));
    });
    const std::string f2 = ExportText(*doc, false);
    const std::string firstLine = f2.substr(0, f2.find("\r\n") + 2);
    EXPECT_EQ(f2.substr(firstLine.size()), Crlf(c.body));

    // FORMAT_1 lays out the same values, with the prefix, and closes the array.
    const std::string f1 = ExportText(*doc, true);
    std::string body1 = c.body;
    if (!c.bBlack) body1 = std::regex_replace(body1, std::regex("([0-9a-f]{2,6})"), "0x$1");
    EXPECT_NE(f1.find(Crlf(body1 + "};\n")), std::string::npos) << f1;
    EXPECT_EQ(f1.size() - f1.rfind(Crlf(body1 + "};\n")), Crlf(body1 + "};\n").size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineBreakTest,
    testing::Values(
        LineCase{"OneByThree", 1, 3, ColorMode::Colors256, false, "01,\n02,03\n"},
        LineCase{"SixteenByTwo", 16, 2, ColorMode::Colors256, false,
                 "01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,\n\n11,12,13,14,15,16,17,18,19,1a,1b,1c,1d,1e,1f,20\n"},
        LineCase{"SeventeenByOne", 17, 1, ColorMode::Colors256, false,
                 "01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11\n"},
        LineCase{"NineByOneFull", 9, 1, ColorMode::Full, false,
                 "000001,000002,000003,000004,000005,000006,000007,000008,000009\n"},
        LineCase{"EightByTwoFull", 8, 2, ColorMode::Full, false,
                 "000001,000002,000003,000004,000005,000006,000007,000008,\n\n"
                 "000009,00000a,00000b,00000c,00000d,00000e,00000f,000010\n"},
        LineCase{"OneByOne", 1, 1, ColorMode::Colors256, false, "01\n"},
        LineCase{"SixteenBlackMono", 16, 1, ColorMode::Mono, true, "0xff,0xff\n"}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(FormatWriters, WideMonoRowsBreakAfterSixteenBytes)
{
    // 128 wide: 16 bytes a row, then the row end's break makes an empty line.
    auto doc128 = MakeDocument(128, 2, ColorMode::Mono, [](int) { return kBlack; });
    const std::string row16 = Repeat("0xff,", 16);
    EXPECT_EQ(ExportText(*doc128, false),
              Crlf("TOVIX_MONO,128,2,\n" + row16 + "\n\n" + row16.substr(0, row16.size() - 1) + "\n\n"));

    // 129 wide: 16 full bytes, then the completed seventeenth alone.
    auto doc129 = MakeDocument(129, 2, ColorMode::Mono, [](int) { return kBlack; });
    EXPECT_EQ(ExportText(*doc129, false),
              Crlf("TOVIX_MONO,129,2,\n" + row16 + "\n0x80,\n" + row16 + "\n0x80\n"));
}

TEST(FormatWriters, SizePrefixTurnsLongAt256)
{
    struct Case {
        int nWidth, nHeight;
        ColorMode mode;
        const char* declaration;
    } cases[] = {
        {255, 255, ColorMode::Colors256, "unsigned char sample[65027] = {255,255,/* W,H */"},
        {256, 1, ColorMode::Colors256, "unsigned char sample[260] = {0x01,0x00,0x00,0x01,/* WH,WL,HH,HL */"},
        {1, 256, ColorMode::Colors64, "unsigned char sample[260] = {0x00,0x01,0x01,0x00,/* WH,WL,HH,HL */"},
        {256, 1, ColorMode::Mono, "unsigned char sample[36] = {0x01,0x00,0x00,0x01,/* WH,WL,HH,HL */"},
        {4096, 1, ColorMode::Rgb565, "unsigned short sample[4098] = {4096,1,"},
        {4096, 1, ColorMode::Full, "unsigned long sample[4098] = {4096,1,"},
    };
    for (const Case& c : cases) {
        auto doc = MakeDocument(c.nWidth, c.nHeight, c.mode, [](int i) { return static_cast<std::uint32_t>(i); });
        const std::string f1 = ExportText(*doc, true);
        EXPECT_NE(f1.find(std::string("/\r\n") + c.declaration + "\r\n"), std::string::npos) << c.declaration;
    }
    auto wide = MakeDocument(300, 2, ColorMode::Colors256, [](int) { return 0u; });
    EXPECT_EQ(ExportText(*wide, false).substr(0, 17), "TOVIX_256,300,2,\r");
}

TEST(FormatWriters, UnknownModeAndEmptyPictureWriteOnlyTheirFrame)
{
    auto unknown = MakeDocument(2, 2, static_cast<ColorMode>(7), [](int) { return 0u; });
    const std::string f1 = FromCodePage932(ExportText(*unknown, true));
    EXPECT_TRUE(f1.ends_with(Crlf("*************************************************/\n")));
    EXPECT_EQ(std::count(f1.begin(), f1.end(), '\n'), 5);
    EXPECT_EQ(ExportText(*unknown, false), "");

    auto empty = MakeDocument(0, 0, ColorMode::Full, [](int) { return 0u; });
    EXPECT_EQ(ExportText(*empty, false), Crlf("TOVIX_FULL,0,0,\n"));
    const std::string f1Empty = ExportText(*empty, true);
    EXPECT_NE(f1Empty.find("/\r\nunsigned long sample[2] = {0,0,\r\n};\r\n"), std::string::npos);
    auto emptyMono = MakeDocument(5, 0, ColorMode::Mono, [](int) { return 0u; });
    EXPECT_NE(ExportText(*emptyMono, true).find("{5,0,/* W,H */\r\n};\r\n"), std::string::npos);
}

// Found by fuzzing: rounding the widest width up to whole bytes overflowed.
TEST(FormatWriters, WidestPictureOfNoRowsDeclaresOnlyItsSize)
{
    auto doc = MakeDocument(std::numeric_limits<std::int32_t>::max(), 0, ColorMode::Mono, [](int) { return 0u; });
    EXPECT_NE(ExportText(*doc, true).find("unsigned char sample[4] = {0xff,0xff,0x00,0x00,/* WH,WL,HH,HL */\r\n};\r\n"),
              std::string::npos);
}

// Parsing the text back gives exactly the encoder's values, and FORMAT_1
// declares as many elements as it holds.
TEST(FormatWriters, ParsedBackTextMatchesTheEncoding)
{
    const ColorMode modes[] = {ColorMode::Colors64, ColorMode::Colors256, ColorMode::Rgb555, ColorMode::Rgb565,
                               ColorMode::Full, ColorMode::Mono};
    const int sizes[][2] = {{1, 1}, {7, 3}, {33, 5}, {256, 3}, {129, 2}};
    for (ColorMode mode : modes) {
        for (const auto& size : sizes) {
            auto doc = MakeDocument(size[0], size[1], mode,
                                    [](int i) { return static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF; });
            doc->m_nThresholdR = 90;
            const std::string f2 = ExportText(*doc, false);
            std::vector<std::uint32_t> values;
            std::istringstream in(f2.substr(f2.find('\n') + 1));
            std::string token;
            while (std::getline(in, token, ',')) values.push_back(static_cast<std::uint32_t>(std::stoul(token, nullptr, 16)));

            const std::string f1 = ExportText(*doc, true);
            std::smatch declared;
            ASSERT_TRUE(std::regex_search(f1, declared, std::regex("\\[(\\d+)\\] = \\{")));
            const std::string elements = std::regex_replace(
                f1.substr(static_cast<std::size_t>(declared.position(0) + declared.length(0))), std::regex("/\\*.*?\\*/"), "");
            const long nElements = std::count(elements.begin(), elements.end(), ',') + 1;
            EXPECT_EQ(std::stol(declared[1]), nElements) << static_cast<int>(mode) << " " << size[0] << "x" << size[1];

            if (mode == ColorMode::Mono) {
                const int nBytes = (size[0] + 7) / 8;
                ASSERT_EQ(values.size(), static_cast<std::size_t>(nBytes * size[1]));
                for (int i = 0; i < size[0] * size[1]; ++i) {
                    const int row = i / size[0], col = i % size[0];
                    const bool bSet = (values[row * nBytes + col / 8] >> (7 - col % 8)) & 1;
                    ASSERT_EQ(bSet, doc->EncodePixel(i) == 0) << i;
                }
            } else {
                ASSERT_EQ(values.size(), static_cast<std::size_t>(size[0] * size[1]));
                for (std::size_t i = 0; i < values.size(); ++i)
                    ASSERT_EQ(values[i], doc->EncodePixel(static_cast<std::int32_t>(i))) << i;
            }
        }
    }
}

} // namespace
