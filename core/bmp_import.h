#pragma once

#include <string>

class CTOVIXDoc;
class UserDialogs;

// Imports a 24-bit BMP file into the document and shows it reduced to the
// document's colour mode and thresholds. A refused file is reported through
// the dialogs and leaves the document without a picture. The caller sets the
// view's scroll range and repaints.
bool ImportBmp(CTOVIXDoc& doc, const std::string& path, UserDialogs& dialogs);
