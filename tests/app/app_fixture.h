// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/main_frame.h"
#include "app/open_file_chooser.h"
#include "app/tovix_app.h"
#include "app/tovix_view.h"
#include "core/tovix_doc.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <deque>
#include <functional>

namespace testing_support {

// An open dialog that records its questions and gives scripted answers;
// cancelled once the answers run out.
class ScriptedChooser : public COpenFileChooser {
public:
    std::optional<std::string> AskOpenFileName(const OpenFileQuestion& question) override;

    std::vector<OpenFileQuestion> questions;
    std::deque<std::optional<std::string>> answers;
};

// The program started as by a plain command line, without the splash, with
// scripted dialogs and an empty recent-file list.
class AppTest : public testing::Test {
protected:
    AppTest();
    static void WatchForDialog(std::function<bool(QWidget&)> drive);
    void SetUp() override;

    CMainFrame& Frame() const { return *app.MainFrame(); }
    CTOVIXView* ActiveView() const;
    CTOVIXDoc& ActiveDoc() const { return ActiveView()->GetTOVIXDoc(); }
    bool Enabled(int nId) const { return Frame().CommandState(nId).bEnabled; }
    std::optional<bool> Checked(int nId) const { return Frame().CommandState(nId).checked; }
    void Run(int nId) { Frame().ExecuteCommand(nId); }

    // Imports a file through the import command, the dialog answering with its path.
    void ImportThroughMenu(const std::string& path);

    // Lets closed windows go, as the event loop would.
    static void Settle();

    // Runs drive on the next modal dialog of the given class that the
    // program opens, then closes that dialog if drive left it open, so that
    // a failed check cannot leave a test waiting on it.
    template <typename Dialog>
    static void OnNextDialog(std::function<void(Dialog&)> drive)
    {
        WatchForDialog([drive](QWidget& widget) {
            if (auto* pDialog = qobject_cast<Dialog*>(&widget)) {
                drive(*pDialog);
                return true;
            }
            return false;
        });
    }

    TempDir dir;
    RecordingDialogs dialogs;
    ScriptedChooser chooser;
    CTOVIXApp app;
};

} // namespace testing_support
