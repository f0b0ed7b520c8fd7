// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/dialogs/about_dlg.h"
#include "app/dialogs/dialog_units.h"
#include "app/dialogs/threshold_dlg.h"
#include "app/dialogs/zoom_dlg.h"
#include "app/res/resource.h"

#include <QLabel>
#include <QPushButton>

#include <functional>

using namespace testing_support;

namespace {

TEST_F(AppTest, DialogsHaveTheFixedSizesAndFramesOfTheirTemplates)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> make;
        QSize units;
    } const cases[] = {
        {"about", [] { return std::make_unique<CAboutDlg>(); }, {235, 55}},
        {"threshold", [this] { return std::make_unique<CThresholdDlg>(ActiveView()); }, {131, 173}},
        {"magnification", [] { return std::make_unique<CZoomDlg>(nullptr); }, {187, 70}},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<QDialog> pDialog = c.make();
        const QSize expected = DialogUnits(*pDialog).Size(c.units.width(), c.units.height());
        EXPECT_EQ(pDialog->size(), expected) << c.name;
        EXPECT_EQ(pDialog->minimumSize(), expected) << c.name << " cannot be made smaller";
        EXPECT_EQ(pDialog->maximumSize(), expected) << c.name << " cannot be made larger";
        const Qt::WindowFlags flags = pDialog->windowFlags();
        EXPECT_TRUE(flags.testFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)) << c.name;
        // Only a customised frame keeps a window manager from adding minimise and maximise.
        EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint)) << c.name;
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)) << c.name;
    }
}

TEST_F(AppTest, AboutBoxPlacesItsControlsWhereTheTemplateSays)
{
    CAboutDlg dialog;
    const DialogUnits du(dialog);
    const std::vector<QLabel*> labels = [&] {
        std::vector<QLabel*> found;
        for (QLabel* pLabel : dialog.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) found.push_back(pLabel);
        return found;
    }();
    ASSERT_EQ(labels.size(), 3u);
    struct Control {
        const QWidget* pWidget;
        QRect units;
        const char* text;
    } const controls[] = {
        {labels[0], {11, 17, 0, 0}, ""},
        {labels[1], {40, 10, 119, 8}, "TOVIX Version 3.00"},
        {labels[2], {40, 25, 119, 8}, "24bitﾋﾞｯﾄﾏｯﾌﾟをCのﾃﾞｰﾀに変換"},
        {dialog.findChild<QPushButton*>(), {178, 7, 50, 14}, "OK"},
    };
    for (const Control& control : controls) {
        ASSERT_NE(control.pWidget, nullptr) << control.text;
        const QRect rect = du.Rect(control.units.x(), control.units.y(), control.units.width(), control.units.height());
        EXPECT_EQ(control.pWidget->pos(), rect.topLeft()) << control.text;
        if (auto* pLabel = qobject_cast<const QLabel*>(control.pWidget); pLabel != nullptr && *control.text != '\0') {
            EXPECT_EQ(pLabel->text(), QString::fromUtf8(control.text));
        }
    }
    EXPECT_EQ(labels[0]->size(), QSize(32, 32)) << "the main icon at its own size";
    EXPECT_EQ(controls[3].pWidget->size(), du.Size(50, 14));
    EXPECT_TRUE(qobject_cast<const QPushButton*>(controls[3].pWidget)->isDefault());
    EXPECT_EQ(labels[1]->textFormat(), Qt::PlainText);
}

} // namespace
