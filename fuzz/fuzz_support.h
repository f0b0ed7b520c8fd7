// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class CTOVIXDoc;
class UserDialogs;

// A procedure that reads a file into a fresh document: the BMP import or the
// document file's open.
using LoadProcedure = bool (*)(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs);

// Runs the procedure on the bytes as the content of a regular file, exactly
// as on a file on disk; the document, or null when the file was refused.
std::unique_ptr<CTOVIXDoc> LoadFromBytes(LoadProcedure load, const std::uint8_t* pData, std::size_t nSize);

// Aborts, naming the broken property on standard error.
[[noreturn]] void FailCheck(const char* what);

// Aborts unless the property holds. Inline, so that a check called for
// every element of an export costs no call.
inline void Require(bool bHolds, const char* what)
{
    if (!bHolds) FailCheck(what);
}
