// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <optional>

class CTOVIXView;
class QLineEdit;
class QSlider;

// The threshold dialog: a vertical slider and an edit box for
// each of red, green and blue. Every change is posted to the view at once;
// the opener decides after closing what the document keeps.
class CThresholdDlg : public QDialog {
    Q_OBJECT
public:
    explicit CThresholdDlg(CTOVIXView* pView);

    // Shows the thresholds the opener has set in the three fields.
    void OnInitDialog();

    // The value a typed text stands for: one to three digits giving 0..255.
    static std::optional<int> ParseThreshold(const QString& text);

    CTOVIXView* m_pView;
    int m_nThresholdB = 0;
    int m_nThresholdG = 0;
    int m_nThresholdR = 0;
    QLineEdit* m_editB;
    QLineEdit* m_editR;
    QLineEdit* m_editG;
    QSlider* m_sliderR;
    QSlider* m_sliderG;
    QSlider* m_sliderB;

    int exec() override;
    void accept() override;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    // One colour's slider, box, field and view message.
    struct Channel {
        QSlider* pSlider;
        QLineEdit* pEdit;
        int* pThreshold;
        void (CTOVIXView::*post)(int);
    };

    void OnVScroll(const Channel& channel);
    void OnKillfocusEdit(const Channel& channel);
    void Post(const Channel& channel) const;
    Channel* ChannelOf(const QObject* pControl);

    QWidget* m_pOk;
    Channel m_channels[3];
};
