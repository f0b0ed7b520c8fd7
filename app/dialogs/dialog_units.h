// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Converts dialog-template units to pixels with the dialog's own font, as
// dialog templates are laid out: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QWidget& dialog);

    QRect Rect(int x, int y, int nWidth, int nHeight) const;
    QSize Size(int nWidth, int nHeight) const;

private:
    int m_nBaseX;
    int m_nBaseY;
};

// Gives the dialog the frame of the program's dialogs: caption, system menu
// (a close button) and no way to minimise or maximise it.
void SetDialogFrame(QDialog* pDialog);

// Gives the dialog a template's frame: caption, system menu (a close button)
// and no way to minimise, maximise or resize it; nWidth x nHeight units.
void SetTemplateFrame(QDialog* pDialog, const DialogUnits& du, int nWidth, int nHeight);

// A static text placed as a template says, but never narrower than its
// text: templates were measured with a narrower Japanese font.
QLabel* AddLabel(QWidget* pParent, const char* text, QRect rect, Qt::Alignment alignment = Qt::AlignLeft);

// A right-aligned edit box, as the templates' number boxes are.
QLineEdit* AddNumberEdit(QWidget* pParent, const QRect& rect);

// The template's OK (default) button, wired to accept.
QPushButton* AddOk(QDialog* pDialog, const QRect& ok);

// The template's OK (default) and Cancel buttons, wired to accept and
// reject; returns OK. Created one after the other, for the tab order.
QPushButton* AddOkCancel(QDialog* pDialog, const QRect& ok, const QRect& cancel);
