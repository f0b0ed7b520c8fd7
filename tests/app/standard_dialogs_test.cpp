// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <functional>
#include <memory>

using namespace testing_support;

namespace {

// Every text a user reads in the dialog: caption, labels, buttons, group
// titles, and the tooltips of its tool buttons.
QStringList VisibleTexts(const QWidget& dialog)
{
    QStringList texts{dialog.windowTitle()};
    for (const QLabel* pLabel : dialog.findChildren<QLabel*>()) texts << pLabel->text();
    for (const QAbstractButton* pButton : dialog.findChildren<QAbstractButton*>()) texts << pButton->text();
    for (const QGroupBox* pGroup : dialog.findChildren<QGroupBox*>()) texts << pGroup->title();
    for (const QAction* pAction : dialog.findChildren<QAction*>()) texts << pAction->toolTip();
    for (QString& text : texts) text.remove(QLatin1Char('&'));
    return texts;
}

TEST_F(AppTest, QtsOwnDialogsSpeakJapanese)
{
    // Texts each of these dialogs shows when Qt's translation is missing.
    const QStringList english{"Yes",   "No",         "Open",     "Save",      "Save As",     "Cancel",
                              "Print", "File name:", "Look in:", "Files of type:", "Properties", "Options",
                              "Paper", "Orientation", "Portrait", "Landscape", "Page setup", "Print Preview",
                              "Zoom in", "Zoom out", "Close"};
    QPrinter printer;
    struct Case {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
    } const cases[] = {
        {"overwrite question", [] {
             return std::make_unique<QMessageBox>(QMessageBox::NoIcon, QString(), QString(),
                                                  QMessageBox::Yes | QMessageBox::No);
         }},
        {"open dialog", [] {
             auto pDialog = std::make_unique<QFileDialog>();
             pDialog->setAcceptMode(QFileDialog::AcceptOpen);
             return pDialog;
         }},
        {"save dialog", [] {
             auto pDialog = std::make_unique<QFileDialog>();
             pDialog->setAcceptMode(QFileDialog::AcceptSave);
             return pDialog;
         }},
        {"print dialog", [&printer] { return std::make_unique<QPrintDialog>(&printer); }},
        {"page setup", [&printer] { return std::make_unique<QPageSetupDialog>(&printer); }},
        {"print preview", [&printer] { return std::make_unique<QPrintPreviewDialog>(&printer); }},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<QWidget> pDialog = c.make();
        const QStringList texts = VisibleTexts(*pDialog);
        for (const QString& word : english) EXPECT_FALSE(texts.contains(word)) << c.name << ": " << word.toStdString();
    }
}

} // namespace
