// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/qt_dialogs.h"
#include "export/export_messages.h"
#include "export/export_procedure.h"
#include "testkit/doc_builder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

using namespace testing_support;

namespace {

// The program's own message boxes and file dialogs, offscreen: every message
// box is answered with the chosen button while the test runs, and its text kept.
class QtDialogsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        qtDialogs.SetParent(&Frame());
        boxAnswerer.setInterval(5);
        QObject::connect(&boxAnswerer, &QTimer::timeout, [this] {
            auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (pBox == nullptr || !pBox->isVisible()) return;
            questions.push_back(pBox->text().toStdString());
            if (QAbstractButton* pButton = pBox->button(answer))
                pButton->click();
            else
                pBox->reject();
        });
        boxAnswerer.start();
    }

    // Picks the path in the next file dialog and presses its OK.
    static void ChooseInNextFileDialog(const std::string& path)
    {
        OnNextDialog<QFileDialog>([path](QFileDialog& dialog) {
            // selectFile leaves the name box alone while it has the focus,
            // which it gets once the dialog's activation comes through.
            if (QWidget* pFocus = dialog.focusWidget()) pFocus->clearFocus();
            dialog.selectFile(QString::fromStdString(path));
            static_cast<QDialog&>(dialog).accept();   // as the OK button does
        });
    }

    CQtDialogs qtDialogs;
    QTimer boxAnswerer;
    QMessageBox::StandardButton answer = QMessageBox::No;
    std::vector<std::string> questions;
};

TEST_F(QtDialogsTest, ExportOverwritesOnlyWhenItsOwnQuestionIsAnsweredYes)
{
    const auto doc = MakeDocument(3, 2, ColorMode::Full, [](int i) { return 0x102030u * static_cast<std::uint32_t>(i); });
    const std::vector<std::uint8_t> previous = {'k', 'e', 'e', 'p'};
    const struct {
        QMessageBox::StandardButton answer;
        bool bReplaced;
    } cases[] = {{QMessageBox::No, false}, {QMessageBox::Yes, true}};
    for (const auto& c : cases) {
        WriteFile(dir.File("out.c"), previous);
        questions.clear();
        answer = c.answer;
        ChooseInNextFileDialog(dir.File("out.c"));
        EXPECT_EQ(RunExport(*doc, ExportFormat::Format1, qtDialogs), c.bReplaced);
        // Asked once, by the export: the file dialog leaves the question to it.
        EXPECT_EQ(questions, std::vector<std::string>{msg::kOverwriteQuestion});
        EXPECT_EQ(ReadFile(dir.File("out.c")) != previous, c.bReplaced);
    }
}

TEST_F(QtDialogsTest, SaveDialogAsksBeforeReplacingOnlyWhenTold)
{
    WriteFile(dir.File("old.tvx"), {'x'});
    const struct {
        bool bConfirm;
        QMessageBox::StandardButton answer;
        std::size_t nQuestions;
        std::optional<std::string> chosen;
    } cases[] = {
        {true, QMessageBox::Yes, 1, dir.File("old.tvx")},
        {true, QMessageBox::No, 1, std::nullopt},
        {false, QMessageBox::No, 0, dir.File("old.tvx")},
    };
    for (const auto& c : cases) {
        questions.clear();
        answer = c.answer;
        // Typed without the extension, which the dialog adds.
        ChooseInNextFileDialog(dir.File("old"));
        EXPECT_EQ(qtDialogs.AskSaveFileName({"TOVIX1", "tvx", "TOVIX (*.tvx)", c.bConfirm}), c.chosen) << c.bConfirm;
        EXPECT_EQ(questions.size(), c.nQuestions) << c.bConfirm;
    }
}

} // namespace
