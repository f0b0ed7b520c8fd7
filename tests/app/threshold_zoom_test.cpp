// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/dialogs/threshold_dlg.h"
#include "app/dialogs/zoom_dlg.h"
#include "app/res/resource.h"
#include "app/res/strings.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSlider>
#include <QTest>

using namespace testing_support;

namespace {

class ThresholdTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // Greys across the range, so that any threshold change shows in two colours.
        WriteFile(dir.File("greys.bmp"), BuildBmp(256, 1, [](int x, int) {
            const auto v = static_cast<std::uint8_t>(x);
            return Rgb{v, v, v};
        }));
        ImportThroughMenu(dir.File("greys.bmp"));
        ASSERT_TRUE(ActiveDoc().m_image.IsLoaded());
        Run(res::ID_COLOR_MONO);
    }

    std::vector<std::uint8_t> Shown() const
    {
        const CDibImage& image = ActiveDoc().m_image;
        return {image.m_pDispBits, image.m_pDispBits + 3 * 256};
    }

    // Gives a box the keyboard focus, its text selected. Focus events reach
    // a box only in the application's active window, and the dialog's
    // activation comes through the event queue: waiting on qWaitForWindowActive
    // is not enough, as a dialog counts as active for it while the main
    // window it belongs to still is.
    [[nodiscard]] static bool FocusBox(QDialog& dialog, QLineEdit* pEdit)
    {
        dialog.activateWindow();
        const bool bActive = QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; });
        EXPECT_TRUE(bActive) << "the dialog never became the active window";
        pEdit->setFocus();
        pEdit->selectAll();
        EXPECT_TRUE(pEdit->hasFocus());
        return bActive && pEdit->hasFocus();
    }

    // Types a text into a box and moves the focus on with Tab.
    static void TypeAndLeave(CThresholdDlg& dialog, QLineEdit* pEdit, const QString& text)
    {
        if (!FocusBox(dialog, pEdit)) return;
        QTest::keyClicks(pEdit, text);
        if (text.isEmpty()) QTest::keyClick(pEdit, Qt::Key_Delete);
        QTest::keyClick(pEdit, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
};

TEST_F(ThresholdTest, DialogShowsTheDocumentsThresholdsUpsideDownOnTheSliders)
{
    ActiveDoc().m_nThresholdR = 200;
    ActiveDoc().m_nThresholdG = 128;
    ActiveDoc().m_nThresholdB = 0;
    bool bSeen = false;
    OnNextDialog<CThresholdDlg>([&](CThresholdDlg& dialog) {
        bSeen = true;
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("閾値設定"));
        EXPECT_EQ(dialog.m_sliderR->value(), 55);
        EXPECT_EQ(dialog.m_sliderG->value(), 127);
        EXPECT_EQ(dialog.m_sliderB->value(), 255);
        EXPECT_EQ(dialog.m_editR->text(), "200");
        EXPECT_EQ(dialog.m_editG->text(), "128");
        EXPECT_EQ(dialog.m_editB->text(), "0");
        dialog.accept();
    });
    Run(res::ID_THRESHOLD);
    EXPECT_TRUE(bSeen);
}

TEST_F(ThresholdTest, PageKeysMoveASliderByAFifthOfItsRange)
{
    ActiveDoc().m_nThresholdR = 128;
    struct Step {
        Qt::Key key;
        const char* threshold;
    } const steps[] = {
        {Qt::Key_PageDown, "77"}, {Qt::Key_PageDown, "26"}, {Qt::Key_PageDown, "0"},
        {Qt::Key_PageUp, "51"},   {Qt::Key_PageUp, "102"},
    };
    bool bSeen = false;
    OnNextDialog<CThresholdDlg>([&](CThresholdDlg& dialog) {
        bSeen = true;
        for (const Step& step : steps) {
            QTest::keyClick(dialog.m_sliderR, step.key);
            EXPECT_EQ(dialog.m_editR->text(), QString::fromLatin1(step.threshold));
        }
        dialog.reject();
    });
    Run(res::ID_THRESHOLD);
    EXPECT_TRUE(bSeen);
}

TEST_F(ThresholdTest, SlidersReachTheDocumentAtOnceButThePictureOnlyOnOk)
{
    const std::vector<std::uint8_t> before = Shown();
    OnNextDialog<CThresholdDlg>([&](CThresholdDlg& dialog) {
        dialog.m_sliderR->setValue(0);   // the top: 255
        dialog.m_sliderG->setValue(55);
        dialog.m_sliderB->setValue(5);
        QCoreApplication::processEvents();
        EXPECT_EQ(dialog.m_editR->text(), "255");
        EXPECT_EQ(dialog.m_editG->text(), "200");
        EXPECT_EQ(ActiveDoc().m_nThresholdR, 255);
        EXPECT_EQ(ActiveDoc().m_nThresholdG, 200);
        EXPECT_EQ(ActiveDoc().m_nThresholdB, 250);
        EXPECT_EQ(Shown(), before) << "no reduction while the dialog is open";
        dialog.accept();
    });
    Run(res::ID_THRESHOLD);
    EXPECT_EQ(ActiveDoc().m_nThresholdR, 255);
    EXPECT_EQ(ActiveDoc().m_nThresholdB, 250);
    EXPECT_NE(Shown(), before);
    EXPECT_EQ(Shown()[3 * 190], 0) << "grey 190 lies below every new threshold";
}

TEST_F(ThresholdTest, CancelBringsBackTheThresholdsAndThePicture)
{
    const std::vector<std::uint8_t> before = Shown();
    OnNextDialog<CThresholdDlg>([&](CThresholdDlg& dialog) {
        dialog.m_sliderR->setValue(0);
        dialog.m_sliderG->setValue(0);
        dialog.m_sliderB->setValue(0);
        QCoreApplication::processEvents();
        TypeAndLeave(dialog, dialog.m_editR, "7");
        EXPECT_EQ(ActiveDoc().m_nThresholdR, 7);
        dialog.reject();
    });
    Run(res::ID_THRESHOLD);
    QCoreApplication::processEvents();
    EXPECT_EQ(ActiveDoc().m_nThresholdR, 128);
    EXPECT_EQ(ActiveDoc().m_nThresholdG, 128);
    EXPECT_EQ(ActiveDoc().m_nThresholdB, 128);
    EXPECT_EQ(Shown(), before);
}

TEST_F(ThresholdTest, TypedTextCountsOnlyAsOneToThreeDigitsUpTo255)
{
    struct Case {
        const char* typed;
        int nThreshold;
    } const cases[] = {
        {"300", 128}, {"1000", 128}, {"0007", 128}, {"-5", 128}, {"1a", 128}, {"", 128}, {" 12", 128},
        {"007", 7},   {"255", 255},  {"0", 0},    {"99", 99},
    };
    for (const Case& c : cases) {
        ActiveDoc().m_nThresholdG = 128;
        OnNextDialog<CThresholdDlg>([&](CThresholdDlg& dialog) {
            TypeAndLeave(dialog, dialog.m_editG, QString::fromUtf8(c.typed));
            EXPECT_EQ(dialog.m_editG->text(), QString::number(c.nThreshold)) << c.typed;
            EXPECT_EQ(dialog.m_sliderG->value(), 255 - c.nThreshold) << c.typed;
            EXPECT_EQ(ActiveDoc().m_nThresholdG, c.nThreshold) << c.typed;
            dialog.accept();
        });
        Run(res::ID_THRESHOLD);
        EXPECT_EQ(ActiveDoc().m_nThresholdG, c.nThreshold) << c.typed;
    }
}

TEST_F(ThresholdTest, ValueConfirmedWithEnterIsKept)
{
    OnNextDialog<CThresholdDlg>([&](CThresholdDlg& dialog) {
        if (!FocusBox(dialog, dialog.m_editB)) return;
        QTest::keyClicks(dialog.m_editB, "42");
        QTest::keyClick(dialog.m_editB, Qt::Key_Return);
    });
    Run(res::ID_THRESHOLD);
    QCoreApplication::processEvents();
    EXPECT_EQ(ActiveDoc().m_nThresholdB, 42);
}

class ZoomTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        WriteFile(dir.File("p.bmp"), BuildBmp(100, 50, PatternPixel));
        ImportThroughMenu(dir.File("p.bmp"));
    }

    // Opens the dialog, fills the boxes, presses OK; answers each refusal
    // by recording it and the box that has the focus afterwards.
    void Submit(const QString& view, const QString& print, bool bCancelAfterRefusal = true)
    {
        OnNextDialog<CZoomDlg>([=, this](CZoomDlg& dialog) {
            dialog.ViewEdit()->setText(view);
            dialog.PrintEdit()->setText(print);
            OnNextDialog<QMessageBox>([this](QMessageBox& box) {
                refusals.push_back(box.text().toStdString());
                box.accept();
            });
            dialog.accept();
            if (dialog.isVisible()) {
                focusAfterRefusal = dialog.focusWidget() == dialog.ViewEdit() ? "view" : "print";
                if (bCancelAfterRefusal) dialog.reject();
            }
        });
        Run(res::ID_ZOOM);
    }

    std::vector<std::string> refusals;
    std::string focusAfterRefusal;
};

TEST_F(ZoomTest, LimitsAreInclusiveAndTheDisplayBoxIsCheckedFirst)
{
    struct Case {
        const char *view, *print;
        std::vector<std::string> refusals;
        const char* focus;
        int nViewZoom, nPrintZoom;
    } const cases[] = {
        {"20", "1000", {}, "", 20, 1000},
        {"1000", "20", {}, "", 1000, 20},
        {"19", "100", {res::str::kZoomOutOfRange}, "view", 100, 100},
        {"100", "1001", {res::str::kZoomOutOfRange}, "print", 100, 100},
        {"1001", "19", {res::str::kZoomOutOfRange}, "view", 100, 100},
        {"abc", "100", {res::str::kNotAnInteger}, "view", 100, 100},
        {"100", "", {res::str::kNotAnInteger}, "print", 100, 100},
        {"2.5", "100", {res::str::kNotAnInteger}, "view", 100, 100},
    };
    for (const Case& c : cases) {
        ActiveDoc().m_nViewZoom = 100;
        ActiveDoc().m_nPrintZoom = 100;
        refusals.clear();
        focusAfterRefusal.clear();
        Submit(QString::fromUtf8(c.view), QString::fromUtf8(c.print));
        EXPECT_EQ(refusals, c.refusals) << c.view << " " << c.print;
        EXPECT_EQ(focusAfterRefusal, c.focus) << c.view << " " << c.print;
        EXPECT_EQ(ActiveDoc().m_nViewZoom, c.nViewZoom) << c.view << " " << c.print;
        EXPECT_EQ(ActiveDoc().m_nPrintZoom, c.nPrintZoom) << c.view << " " << c.print;
    }
}

TEST_F(ZoomTest, DialogShowsTheDocumentsValuesAndOkSetsTheScrollRange)
{
    ActiveDoc().m_nPrintZoom = 300;
    OnNextDialog<CZoomDlg>([](CZoomDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ﾀﾞｲｱﾛｸﾞ"));
        EXPECT_EQ(dialog.ViewEdit()->text(), "100");
        EXPECT_EQ(dialog.PrintEdit()->text(), "300");
        dialog.reject();
    });
    Run(res::ID_ZOOM);

    Submit("200", "40");
    EXPECT_EQ(ActiveView()->GetTotalSize(), QSize(220, 120));
    EXPECT_EQ(ActiveDoc().m_nPrintZoom, 40);

    // Cancel keeps the magnifications, yet the range is worked out again.
    ActiveView()->SetScrollSizes({640, 480});
    OnNextDialog<CZoomDlg>([](CZoomDlg& dialog) {
        dialog.ViewEdit()->setText("500");
        dialog.reject();
    });
    Run(res::ID_ZOOM);
    EXPECT_EQ(ActiveDoc().m_nViewZoom, 200);
    EXPECT_EQ(ActiveView()->GetTotalSize(), QSize(220, 120));
}

} // namespace
