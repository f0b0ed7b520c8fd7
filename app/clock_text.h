// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <ctime>

// A moment in local time written with a strftime format ("%y/%m/%d").
QString FormatLocalTime(const char* pszFormat, std::time_t when);
