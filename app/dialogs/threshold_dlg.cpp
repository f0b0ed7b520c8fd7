// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/threshold_dlg.h"

#include "app/dialogs/dialog_units.h"
#include "app/res/strings.h"
#include "app/tovix_view.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

constexpr int kMaxThreshold = 255;

QSlider* Slider(QWidget* pParent, const QRect& rect)
{
    auto* pSlider = new QSlider(Qt::Vertical, pParent);
    pSlider->setRange(0, kMaxThreshold);
    // A trackbar pages by a fifth of its range.
    pSlider->setPageStep(kMaxThreshold / 5);
    // Position 0 at the top, which stands for 255; the keys follow the thumb.
    pSlider->setInvertedAppearance(true);
    pSlider->setInvertedControls(true);
    pSlider->setTickPosition(QSlider::TicksLeft);
    pSlider->setTickInterval(64);
    pSlider->setGeometry(rect);
    return pSlider;
}

} // namespace

CThresholdDlg::CThresholdDlg(CTOVIXView* pView) : QDialog(pView), m_pView(pView)
{
    setWindowTitle(QString::fromUtf8(res::str::kThresholdCaption));
    const DialogUnits du(*this);
    SetTemplateFrame(this, du, 131, 173);

    // Created in template order, which is also the tab order.
    m_pOk = AddOkCancel(this, du.Rect(7, 150, 50, 14), du.Rect(74, 150, 50, 14));
    m_sliderR = Slider(this, du.Rect(24, 18, 23, 110));
    m_sliderG = Slider(this, du.Rect(57, 18, 23, 110));
    m_sliderB = Slider(this, du.Rect(90, 18, 23, 110));
    AddLabel(this, "R", du.Rect(26, 7, 20, 8), Qt::AlignHCenter);
    AddLabel(this, "G", du.Rect(59, 7, 20, 8), Qt::AlignHCenter);
    AddLabel(this, "B", du.Rect(92, 7, 20, 8), Qt::AlignHCenter);
    AddLabel(this, res::str::kScaleBottom, du.Rect(7, 115, 13, 8), Qt::AlignHCenter);
    AddLabel(this, res::str::kScaleTop, du.Rect(7, 22, 14, 8), Qt::AlignHCenter);
    m_editR = AddNumberEdit(this, du.Rect(23, 130, 22, 12));
    m_editG = AddNumberEdit(this, du.Rect(55, 130, 22, 12));
    m_editB = AddNumberEdit(this, du.Rect(89, 130, 22, 12));

    m_channels[0] = {m_sliderR, m_editR, &m_nThresholdR, &CTOVIXView::OnSetThresholdR};
    m_channels[1] = {m_sliderG, m_editG, &m_nThresholdG, &CTOVIXView::OnSetThresholdG};
    m_channels[2] = {m_sliderB, m_editB, &m_nThresholdB, &CTOVIXView::OnSetThresholdB};
    for (Channel& channel : m_channels) {
        connect(channel.pSlider, &QSlider::valueChanged, this, [this, &channel] { OnVScroll(channel); });
        // Focus loss, not editingFinished: the box is applied and written
        // back even when its text did not change.
        channel.pEdit->installEventFilter(this);
    }
}

int CThresholdDlg::exec()
{
    OnInitDialog();
    return QDialog::exec();
}

void CThresholdDlg::OnInitDialog()
{
    for (Channel& channel : m_channels) {
        const QSignalBlocker quiet(channel.pSlider);
        channel.pSlider->setValue(kMaxThreshold - *channel.pThreshold);
        channel.pEdit->setText(QString::number(*channel.pThreshold));
    }
    m_pOk->setFocus();
}

std::optional<int> CThresholdDlg::ParseThreshold(const QString& text)
{
    if (text.isEmpty() || text.size() > 3) return std::nullopt;
    int nValue = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        nValue = nValue * 10 + (c.unicode() - u'0');
    }
    if (nValue > kMaxThreshold) return std::nullopt;
    return nValue;
}

void CThresholdDlg::accept()
{
    // A value typed and confirmed with Enter counts, as it would had the
    // focus left the box first.
    if (Channel* pChannel = ChannelOf(focusWidget())) OnKillfocusEdit(*pChannel);
    QDialog::accept();
}

bool CThresholdDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::FocusOut)
        if (Channel* pChannel = ChannelOf(pWatched)) OnKillfocusEdit(*pChannel);
    return QDialog::eventFilter(pWatched, pEvent);
}

CThresholdDlg::Channel* CThresholdDlg::ChannelOf(const QObject* pControl)
{
    for (Channel& channel : m_channels)
        if (channel.pEdit == pControl) return &channel;
    return nullptr;
}

void CThresholdDlg::OnVScroll(const Channel& channel)
{
    *channel.pThreshold = kMaxThreshold - channel.pSlider->value();
    channel.pEdit->setText(QString::number(*channel.pThreshold));
    Post(channel);
}

void CThresholdDlg::OnKillfocusEdit(const Channel& channel)
{
    if (const std::optional<int> value = ParseThreshold(channel.pEdit->text())) *channel.pThreshold = *value;
    channel.pEdit->setText(QString::number(*channel.pThreshold));
    {
        const QSignalBlocker quiet(channel.pSlider);
        channel.pSlider->setValue(kMaxThreshold - *channel.pThreshold);
    }
    Post(channel);
}

// Queued, as a posted message is: the view takes it from the event loop.
void CThresholdDlg::Post(const Channel& channel) const
{
    QMetaObject::invokeMethod(
        m_pView, [pView = m_pView, post = channel.post, nValue = *channel.pThreshold] { (pView->*post)(nValue); },
        Qt::QueuedConnection);
}
