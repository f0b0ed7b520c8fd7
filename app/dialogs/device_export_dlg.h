// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_choices.h"
#include "core/captured_picture.h"

#include <QDialog>

#include <string>
#include <vector>

class COpenFileChooser;
class CPreviewCanvas;
class CPreviewWorker;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class UserDialogs;

// The device-export dialog: a display library or a layout of one's own,
// the pixel format and its reduction, the geometry, the array's name, and a
// live preview of what the export will write. The choices offered come from
// the pixel-format and output-format tables; an option that does not apply
// to the chosen row and format is greyed out. A palette file is asked for
// with the chooser, and a file that cannot be read is told with the dialogs.
class CDeviceExportDlg : public QDialog {
    Q_OBJECT
public:
    CDeviceExportDlg(const CapturedPicture& picture, const DeviceChoices& initial, COpenFileChooser& chooser,
                     UserDialogs& dialogs, QWidget* pParent);

    const DeviceChoices& Choices() const { return m_choices; }
    CPreviewWorker& Worker() const { return *m_pWorker; }
    CPreviewCanvas& Canvas() const { return *m_pCanvas; }

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    QComboBox* AddCombo(const char* pszName);
    void BuildControls();
    void FillFormats();
    void ShowChoices();
    void ReadControls();
    void UpdateEnabled();
    void OnChanged();
    void OnPreviewReady();
    void OnPaletteFile();
    void OnPaletteAuto();
    void ShowPalette();

    DeviceChoices m_choices;
    COpenFileChooser& m_chooser;
    UserDialogs& m_dialogs;
    std::vector<Rgb> m_palette;    // kept while a format without a palette is chosen
    std::string m_strPaletteFile;  // the file's name, once one was read here
    bool m_bFilling = true;   // while the controls are built or filled, their signals change nothing
    CPreviewWorker* m_pWorker;
    CPreviewCanvas* m_pCanvas = nullptr;
    QComboBox* m_pTarget = nullptr;
    QComboBox* m_pFormat = nullptr;
    QComboBox* m_pFileKind = nullptr;
    QComboBox* m_pByteOrder = nullptr;
    QComboBox* m_pBitOrder = nullptr;
    QComboBox* m_pPacking = nullptr;
    QComboBox* m_pRgbOrder = nullptr;
    QComboBox* m_pPaletteFormat = nullptr;
    QScrollArea* m_pSettingsScroll = nullptr;
    QCheckBox* m_pInvert = nullptr;
    QComboBox* m_pDither = nullptr;
    QComboBox* m_pMonoRule = nullptr;
    QSpinBox* m_pLuminance = nullptr;
    QCheckBox* m_pRound = nullptr;
    QLabel* m_pPalette = nullptr;
    QPushButton* m_pPaletteFile = nullptr;
    QPushButton* m_pPaletteAuto = nullptr;
    QCheckBox* m_pTrim = nullptr;
    QComboBox* m_pRotate = nullptr;
    QComboBox* m_pFlip = nullptr;
    QCheckBox* m_pResize = nullptr;
    QSpinBox* m_pWidth = nullptr;
    QSpinBox* m_pHeight = nullptr;
    QComboBox* m_pFit = nullptr;
    QComboBox* m_pFilter = nullptr;
    QLineEdit* m_pName = nullptr;
    QCheckBox* m_pHeader = nullptr;
    QComboBox* m_pZoom = nullptr;
    QLabel* m_pSize = nullptr;
    QPushButton* m_pExport = nullptr;
};
