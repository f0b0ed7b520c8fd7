// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/device/device_choices.h"
#include "app/dialogs/option_bindings.h"
#include "core/captured_picture.h"

#include <QDialog>

#include <string>
#include <vector>

class COpenFileChooser;
class CPreviewCanvas;
class CPreviewWorker;
class QCheckBox;
class QComboBox;
class QFormLayout;
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
    QWidget* AddBoundControl(const OptionBinding& binding);
    void AddBoundRows(SettingsGroup group, QFormLayout* pForm);
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
    QScrollArea* m_pSettingsScroll = nullptr;
    std::vector<QWidget*> m_bound;   // the controls of OptionBindings(), row for row
    QLabel* m_pPalette = nullptr;
    QPushButton* m_pPaletteFile = nullptr;
    QPushButton* m_pPaletteAuto = nullptr;
    QCheckBox* m_pResize = nullptr;
    QSpinBox* m_pWidth = nullptr;
    QSpinBox* m_pHeight = nullptr;
    QComboBox* m_pFit = nullptr;
    QComboBox* m_pFilter = nullptr;
    QLineEdit* m_pName = nullptr;
    QComboBox* m_pZoom = nullptr;
    QLabel* m_pSize = nullptr;
    QPushButton* m_pExport = nullptr;
};
