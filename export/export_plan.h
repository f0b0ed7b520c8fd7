// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "core/export_settings.h"

#include <optional>
#include <string>

// Why an export cannot be written: settings that cannot go together (a
// usage error to the tool), or a picture the format cannot hold.
struct ExportRefusal {
    enum class Kind { Usage, Refused } kind;
    std::string text;
};

// What a prepared picture goes into: an export, whose format must be able
// to write it, or only a document, which keeps any picture.
enum class PreparedFor { Export, DocumentOnly };

// A picture made ready for writing: shaped, in its pixel format, reduced,
// with the first reason it cannot be written. It is made even when
// refused, so that a preview shows what the choices give.
struct PreparedExport {
    PictureBuffer picture;   // size, mode, values and palette as written; pixels only when the geometry made new ones
    Thresholds thresholds{128, 128, 128};
    bool bShaped = false;    // the geometry changed the picture, whose pixels are then picture.pixels
    std::optional<ExportRefusal> refusal;

    // The picture as the writers take it; borrows from this and from the
    // captured picture it was prepared from.
    CapturedPicture Picture(const CapturedPicture& captured) const;
};

// The one way a picture becomes an export, for the tool, the preview and
// the program's export alike: the settings' geometry (what is still to be
// done), mode, format row, checks and reduction, in that order.
PreparedExport PrepareExport(const CapturedPicture& captured, const ExportSettings& settings,
                             PreparedFor purpose = PreparedFor::Export);
