#include "export/bytes_options.h"

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
const char* WordOf(Choice choice, const Word<Choice> (&words)[N])
{
    for (const Word<Choice>& word : words)
        if (word.choice == choice) return word.pszWord;
    return "";
}

} // namespace

std::optional<std::string> SetBytesOption(BytesOptions& options, std::string_view option, const std::string& value)
{
    if (option == "--rgb-order") return Choose(options.rgbOrder, option, value, kRgbOrders);
    if (option == "--byte-order") return Choose(options.byteOrder, option, value, kByteOrders);
    if (option == "--pack") return Choose(options.packing, option, value, kPackings);
    if (option == "--bit-order") return Choose(options.bitOrder, option, value, kBitOrders);
    return "unknown option '" + std::string(option) + "'";
}

const char* OptionNotForMode(const BytesOptions& options, ColorMode mode)
{
    const bool bMono = mode == ColorMode::Mono;
    const bool bWords = mode == ColorMode::Rgb555 || mode == ColorMode::Rgb565;
    if (options.rgbOrder && mode != ColorMode::Full) return "--rgb-order";
    if (options.byteOrder && !bWords) return "--byte-order";
    if (options.packing && !bMono) return "--pack";
    if (options.bitOrder && !bMono) return "--bit-order";
    if (options.bInvert && !bMono) return "--invert";
    return nullptr;
}

const char* FirstGivenOption(const BytesOptions& options)
{
    if (const char* option = OptionNotForMode(options, ColorMode::Colors256)) return option;
    if (options.bStatic) return "--static";
    if (!options.strAttribute.empty()) return "--attribute";
    return nullptr;
}

std::string DescribeLayout(ColorMode mode, const BytesOptions& options)
{
    std::string text = "-m " + std::to_string(static_cast<int>(mode));
    switch (mode) {
    case ColorMode::Mono:
        text += std::string(" --pack ") + WordOf(options.GetPacking(), kPackings) + " --bit-order " +
                WordOf(options.GetBitOrder(), kBitOrders);
        if (options.bInvert) text += " --invert";
        break;
    case ColorMode::Rgb555:
    case ColorMode::Rgb565: text += std::string(" --byte-order ") + WordOf(options.GetByteOrder(), kByteOrders); break;
    case ColorMode::Full: text += std::string(" --rgb-order ") + WordOf(options.GetRgbOrder(), kRgbOrders); break;
    default: break;
    }
    return text;
}
