// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"

#include <cstdio>
#include <optional>
#include <string>

class CTOVIXDoc;
class UserDialogs;

// Captures the picture into the pixel store for a save or an export; a
// picture larger than the store is told through the dialogs and refused.
std::optional<CapturedPicture> CapturePicture(CTOVIXDoc& doc, UserDialogs& dialogs);

// Saves the document to a file, replacing the file only when everything was
// written. Failures are told through the dialogs; returns success.
bool WriteDocumentFile(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs);

// Writes the captured document to an open file; false when a write failed.
bool StoreDocument(CTOVIXDoc& doc, std::FILE* file);

// Reads a document file into a freshly made document. Failures are told
// through the dialogs; returns success.
bool ReadDocumentFile(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs);
