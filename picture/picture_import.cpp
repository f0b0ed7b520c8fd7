#include "picture/picture_import.h"

#include "core/bmp_import.h"
#include "core/tovix_doc.h"

bool ImportPicture(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs, BackgroundColor background)
{
    doc.m_bLoaded = 0;
    return FinishImport(doc, ReadPicture(path, background, doc.m_image), dialogs);
}
