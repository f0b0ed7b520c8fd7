// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_fixture.h"

#include "app/res/resource.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTimer>

#include <memory>
#include <QSettings>

namespace testing_support {

std::optional<std::string> ScriptedChooser::AskOpenFileName(const OpenFileQuestion& question)
{
    questions.push_back(question);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
}

AppTest::AppTest() : app(dialogs, chooser)
{
    QSettings().clear();
}

void AppTest::SetUp()
{
    CCommandLineInfo info;
    info.bShowSplash = false;
    ASSERT_TRUE(app.InitInstance(info));
}

CTOVIXView* AppTest::ActiveView() const
{
    return qobject_cast<CTOVIXView*>(Frame().GetActiveView());
}

void AppTest::ImportThroughMenu(const std::string& path)
{
    chooser.answers.push_back(path);
    Run(res::ID_IMPORT_BMP);
}

void AppTest::WatchForDialog(std::function<bool(QWidget&)> drive)
{
    auto* pTimer = new QTimer;
    pTimer->setInterval(5);
    auto nTicks = std::make_shared<int>(0);
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, nTicks, drive] {
        QWidget* pModal = QApplication::activeModalWidget();
        const bool bTimedOut = ++*nTicks > 400;
        if (!bTimedOut && (pModal == nullptr || !drive(*pModal))) return;
        pTimer->deleteLater();
        pTimer->stop();
        if (pModal == nullptr) return;
        if (auto* pDialog = qobject_cast<QDialog*>(pModal); pDialog != nullptr && pDialog->isVisible()) pDialog->reject();
    });
    pTimer->start();
}

void AppTest::Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace testing_support
