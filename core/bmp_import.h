// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dib_image.h"

#include <string>

class CTOVIXDoc;
struct Geometry;
class UserDialogs;

// Imports a 24-bit BMP file into the document and shows it reduced to the
// document's colour mode and thresholds. A refused file is reported through
// the dialogs and leaves the document without a picture. The caller sets the
// view's scroll range and repaints. The limits are a document's unless the
// picture is to be shrunk to them at once.
bool ImportBmp(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs,
               const PictureLimits& limits = kDocumentLimits);

// The same import of a picture to be shaped at once, as the tool's geometry
// shapes it: the file's pixels are read into one RGB picture, not into the
// working bitmap's two copies of the file, and only the shaped picture is
// stored, so that a large picture about to be shrunk takes a third of the memory.
bool ImportShapedBmp(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, const Geometry& geometry,
                     const PictureLimits& limits);

// What every import does once its reader has filled, or refused to fill, the
// document's working bitmap: report a refusal, or mark the document as
// holding the picture and reduce it. Expects m_bLoaded already 0; a picture
// past the limits the reader took is refused in their words.
bool FinishImport(CTOVIXDoc& doc, DibLoadResult result, UserDialogs& dialogs,
                  const PictureLimits& limits = kDocumentLimits);
