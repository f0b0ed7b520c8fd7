#pragma once

class CTOVIXDoc;
class TextWriter;

// FORMAT_2: the mode's identifier with width and height, then the captured
// picture as a comma list. Nothing at all for a mode outside the six.
void WriteFormat2(TextWriter& out, const CTOVIXDoc& doc);
