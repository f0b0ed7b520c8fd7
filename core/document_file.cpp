// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/document_file.h"

#include "core/archive.h"
#include "core/file_write.h"
#include "core/file_ptr.h"
#include "core/messages.h"
#include "core/tovix_doc.h"
#include "core/user_dialogs.h"


std::optional<CapturedPicture> CapturePicture(CTOVIXDoc& doc, UserDialogs& dialogs)
{
    if (doc.CopyBitmapToPixels()) return doc.Captured();
    dialogs.ShowMessage(msg::kPictureTooLarge);
    return std::nullopt;
}

bool WriteDocumentFile(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs)
{
    if (!doc.PictureFitsStore()) {
        dialogs.ShowMessage(msg::kPictureTooLarge);
        return false;
    }
    const WriteOutcome outcome = WriteWholeFile(path, [&doc](std::FILE* file) { return StoreDocument(doc, file); });
    return ReportWriteOutcome(outcome, {msg::kCannotSaveDocument, msg::kCannotSaveDocument}, dialogs);
}

bool StoreDocument(CTOVIXDoc& doc, std::FILE* file)
{
    CArchive ar(file, CArchive::Mode::Store);
    return doc.Serialize(ar) == SerializeResult::Ok;
}

bool ReadDocumentFile(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs)
{
    const FilePtr file = OpenRegularFile(path);
    if (!file) {
        dialogs.ShowMessage(msg::kCannotOpenDocument);
        return false;
    }
    CArchive ar(file.get(), CArchive::Mode::Load);
    if (doc.Serialize(ar) != SerializeResult::Ok) {
        dialogs.ShowMessage(msg::kBadDocument);
        return false;
    }
    return true;
}
