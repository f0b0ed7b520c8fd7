#pragma once

#include "export/mode_layout.h"

class CTOVIXDoc;
class TextWriter;

// The pixel values of the captured picture, laid out the way both formats
// share: one value per pixel with the row and line breaks, or for two
// colours the packed row bytes. A picture of no pixels writes nothing.
void WritePixelLines(TextWriter& out, const CTOVIXDoc& doc, const ModeLayout& layout, bool bValuePrefix);
