#pragma once

#include "app/main_frame.h"
#include "app/open_file_chooser.h"
#include "app/tovix_app.h"
#include "app/tovix_view.h"
#include "core/tovix_doc.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <deque>

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

    TempDir dir;
    RecordingDialogs dialogs;
    ScriptedChooser chooser;
    CTOVIXApp app;
};

} // namespace testing_support
