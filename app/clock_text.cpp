// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clock_text.h"

QString FormatLocalTime(const char* pszFormat, std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char buffer[64];
    const std::size_t nLength = std::strftime(buffer, sizeof buffer, pszFormat, &local);
    return QString::fromLocal8Bit(buffer, static_cast<qsizetype>(nLength));
}
