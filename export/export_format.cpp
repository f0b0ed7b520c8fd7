#include "export/export_format.h"

#include "export/code_page_932.h"
#include "export/format1_writer.h"
#include "export/format2_writer.h"
#include "export/text_writer.h"

const char* DefaultExtension(ExportFormat format)
{
    return format == ExportFormat::Format1 ? "c" : "txt";
}

const char* SaveFilters(ExportFormat format)
{
    return format == ExportFormat::Format1
               ? "C Source Files (*.c);;Header Files (*.h);;CPP Source Files (*.cpp);;Text Files (*.txt);;All Files (*)"
               : "Text Files (*.txt);;C Source Files (*.c);;Header Files (*.h);;CPP Source Files (*.cpp);;All Files (*)";
}

bool WriteExportFile(std::FILE* file, ExportFormat format, const std::string& exportName, const CTOVIXDoc& doc)
{
    TextWriter out(file);
    if (format == ExportFormat::Format1)
        WriteFormat1(out, ToCodePage932(exportName), doc);
    else
        WriteFormat2(out, doc);
    return out.Flush();
}
