// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/layout_options.h"

namespace {

template <typename Choice>
struct Word {
    const char* pszWord;
    Choice choice;
};

constexpr Word<RgbOrder> kRgbOrders[] = {{"rgb", RgbOrder::Rgb}, {"bgr", RgbOrder::Bgr}};
constexpr Word<ByteOrder> kByteOrders[] = {{"little", ByteOrder::Little}, {"big", ByteOrder::Big}};
constexpr Word<MonoPacking> kPackings[] = {{"rows", MonoPacking::Rows}, {"pages", MonoPacking::Pages}};
constexpr Word<BitOrder> kBitOrders[] = {{"msb", BitOrder::Msb}, {"lsb", BitOrder::Lsb}};
constexpr Word<PaletteFormat> kPaletteFormats[] = {{"888", PaletteFormat::Rgb888}, {"565", PaletteFormat::Rgb565}};

template <typename Choice, std::size_t N>
std::optional<std::string> Choose(std::optional<Choice>& target, std::string_view option, const std::string& value,
                                  const Word<Choice> (&words)[N])
{
    for (const Word<Choice>& word : words) {
        if (value == word.pszWord) {
            target = word.choice;
            return {};
        }
    }
    return std::string(option) + " must be " + words[0].pszWord + " or " + words[1].pszWord + ", not '" + value + "'";
}

template <typename Choice, std::size_t N>
std::string WordOf(const std::optional<Choice>& choice, const Word<Choice> (&words)[N])
{
    for (const Word<Choice>& word : words)
        if (choice == word.choice) return word.pszWord;
    return {};
}

} // namespace

std::optional<std::string> SetLayoutOption(LayoutOptions& options, std::string_view option, const std::string& value)
{
    if (option == "--rgb-order") return Choose(options.rgbOrder, option, value, kRgbOrders);
    if (option == "--byte-order") return Choose(options.byteOrder, option, value, kByteOrders);
    if (option == "--pack") return Choose(options.packing, option, value, kPackings);
    if (option == "--bit-order") return Choose(options.bitOrder, option, value, kBitOrders);
    if (option == "--palette-format") return Choose(options.paletteFormat, option, value, kPaletteFormats);
    return "unknown option '" + std::string(option) + "'";
}

std::string LayoutWord(const LayoutOptions& options, std::string_view option)
{
    if (option == "--rgb-order") return WordOf(options.rgbOrder, kRgbOrders);
    if (option == "--byte-order") return WordOf(options.byteOrder, kByteOrders);
    if (option == "--pack") return WordOf(options.packing, kPackings);
    if (option == "--bit-order") return WordOf(options.bitOrder, kBitOrders);
    if (option == "--palette-format") return WordOf(options.paletteFormat, kPaletteFormats);
    return {};
}
