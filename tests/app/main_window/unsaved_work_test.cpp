// Closing, New and Open ask before a canvas with unsaved changes goes: Save
// writes where Ctrl+S would, Discard goes on, Cancel keeps everything.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <functional>

#include "main_window_fixture.h"
#include "state/bmp_file.h"
#include "state/design_state.h"
#include "test_files.h"

namespace {

bool newDialogShown() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == QLatin1String("FrmNew") && widget->isVisible()) return true;
  return false;
}

struct Command {
  const char* name;
  std::function<void(FrmMain&)> run;
  // Whether the command went on past the question.
  std::function<bool(FrmMain&, const ScriptedPlatform&)> wentOn;
};

const Command commands[] = {
    {"close", [](FrmMain& window) { window.close(); },
     [](FrmMain& window, const ScriptedPlatform&) { return !window.isVisible(); }},
    {"new", [](FrmMain& window) { window.menuEntry(QStringLiteral("mnuFileNew"))->trigger(); },
     [](FrmMain&, const ScriptedPlatform&) { return newDialogShown(); }},
    {"open", [](FrmMain& window) { window.menuEntry(QStringLiteral("mnuFileOpen"))->trigger(); },
     [](FrmMain&, const ScriptedPlatform& seam) { return seam.openRequests.size() == 1; }},
};

class UnsavedWorkTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    QDir(folder.path()).mkpath(QStringLiteral("inputs"));
    target = folder.filePath(QStringLiteral("inputs/logo.bmp"));
    QFile::remove(target);
    design().currentPictureName = target;
  }
  QString target;
};

}  // namespace

TEST_F(UnsavedWorkTest, EachCommandAsksAndFollowsTheAnswer) {
  struct Case {
    MessageAnswer answer;
    bool goesOn;
    bool writes;
  };
  const Case cases[] = {{MessageAnswer::Cancel, false, false},
                        {MessageAnswer::Discard, true, false},
                        {MessageAnswer::Save, true, true}};
  for (const Command& command : commands) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(command.name) + " " + std::to_string(int(c.answer)));
      TearDown();
      SetUp();
      window->draw();
      const QImage drawn = window->canvasView()->picture();
      seam->messageAnswers.push_back(c.answer);
      command.run(*window);
      ASSERT_EQ(seam->messages.size(), 1u);
      EXPECT_EQ(seam->messages[0].text,
                QStringLiteral("Do you want to save the changes to logo.bmp ?"));
      EXPECT_EQ(seam->messages[0].buttons, MessageButtons::SaveDiscardCancel);
      EXPECT_EQ(seam->messages[0].icon, MessageIcon::Question);
      EXPECT_EQ(command.wentOn(*window, *seam), c.goesOn);
      EXPECT_EQ(QFile::exists(target), c.writes);
      if (c.writes) {
        EXPECT_EQ(contentOf(target), bmpFileBytes(drawn));
      }
    }
  }
}

// A save that fails keeps the window and the work, and says why.
TEST_F(UnsavedWorkTest, FailedSaveKeepsTheWindowOpen) {
  design().currentPictureName = folder.filePath(QStringLiteral("no-such-folder/logo.bmp"));
  window->draw();
  seam->messageAnswers.push_back(MessageAnswer::Save);
  window->close();
  ASSERT_EQ(seam->messages.size(), 2u);
  EXPECT_TRUE(seam->messages[1].text.contains(QStringLiteral("/119\r\n")));
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->hasUnsavedChanges());
}
