#include "code_page_932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// Length of the UTF-8 sequence a lead byte starts; 1 for a stray byte.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

class Converter {
public:
    Converter() : m_cd(iconv_open("CP932", "UTF-8"))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no CP932 converter");
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string Convert(std::string_view utf8)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char buffer[256];
        char* in = const_cast<char*>(utf8.data());
        std::size_t nInLeft = utf8.size();
        while (nInLeft > 0) {
            char* pOut = buffer;
            std::size_t nOutLeft = sizeof buffer;
            const std::size_t rc = iconv(m_cd, &in, &nInLeft, &pOut, &nOutLeft);
            out.append(buffer, static_cast<std::size_t>(pOut - buffer));
            if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            // Unmappable or malformed: one "?" for the whole character.
            const std::size_t nSkip = std::min(SequenceLength(static_cast<unsigned char>(*in)), nInLeft);
            out += '?';
            in += nSkip;
            nInLeft -= nSkip;
        }
        return out;
    }

private:
    iconv_t m_cd;
};

} // namespace

std::string ToCodePage932(std::string_view utf8)
{
    Converter converter;
    return converter.Convert(utf8);
}
