#include "export/export_format.h"

#include "export/bytes_writer.h"
#include "export/code_page_932.h"
#include "export/export_name.h"
#include "export/format1_writer.h"
#include "export/format2_writer.h"
#include "export/text_writer.h"

const char* DefaultExtension(ExportFormat format)
{
    return format == ExportFormat::Format2 ? "txt" : "c";
}

const char* SaveFilters(ExportFormat format)
{
    return format == ExportFormat::Format2
               ? "Text Files (*.txt);;C Source Files (*.c);;Header Files (*.h);;CPP Source Files (*.cpp);;All Files (*)"
               : "C Source Files (*.c);;Header Files (*.h);;CPP Source Files (*.cpp);;Text Files (*.txt);;All Files (*)";
}

bool WriteExportFile(std::FILE* file, ExportFormat format, const std::string& exportName, const CTOVIXDoc& doc,
                     const BytesOptions& bytesOptions)
{
    TextWriter out(file, format == ExportFormat::Bytes ? LineEnds::Lf : LineEnds::CrLf);
    switch (format) {
    case ExportFormat::Format1: WriteFormat1(out, ToCodePage932(exportName), doc); break;
    case ExportFormat::Format2: WriteFormat2(out, doc); break;
    case ExportFormat::Bytes: WriteBytesSource(out, MakeCIdentifier(exportName), doc, bytesOptions); break;
    }
    return out.Flush();
}

bool WriteBytesHeaderFile(std::FILE* file, const std::string& headerPath, const std::string& exportName,
                          const CTOVIXDoc& doc, const BytesOptions& bytesOptions)
{
    TextWriter out(file, LineEnds::Lf);
    WriteBytesHeader(out, MakeCIdentifier(exportName), HeaderGuard(headerPath), doc, bytesOptions);
    return out.Flush();
}
