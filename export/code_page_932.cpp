// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/code_page_932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// Bytes of the character that starts at text: its lead byte and the
// continuation bytes that follow it, as many as the lead byte announces.
std::size_t CharacterLength(const char* text, std::size_t nLeft)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t nWanted = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xC0 && lead < 0xE0 ? 2 : 1;
    std::size_t n = 1;
    while (n < nWanted && n < nLeft && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
    return n;
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
            const std::size_t nSkip = CharacterLength(in, nInLeft);
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
