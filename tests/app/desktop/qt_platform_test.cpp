#include "desktop/qt_platform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <vector>

#include "desktop/help_window.h"

namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// Answers the next message box with `button` and notes what it showed.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton button) {
  QTimer::singleShot(0, [&seen, button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = {box->windowTitle(), box->text(), box->icon(), {}};
    for (QAbstractButton* shown : box->buttons()) seen.buttons << shown->text().remove('&');
    box->button(button)->click();
  });
}

// Closes the next modal dialog and notes the window it belongs to.
void noteOwnerOfNextDialog(QWidget*& owner) {
  QTimer::singleShot(0, [&owner] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    owner = dialog->parentWidget();
    dialog->reject();
  });
}

}  // namespace

// A dialog belongs to the window its caller names; one that names none
// belongs to the active window, not to the main window.
TEST(QtPlatform, EachDialogBelongsToTheWindowThatOpensIt) {
  QWidget mainWindow;
  QWidget tool;
  QtPlatform platform;
  platform.setOwner(&mainWindow);
  const std::vector<std::pair<const char*, std::function<void(QWidget*)>>> dialogs = {
      {"message",
       [&](QWidget* owner) {
         platform.showMessage({"Saved", MessageIcon::None, MessageButtons::Ok, "t", owner});
       }},
      {"colour", [&](QWidget* owner) { platform.chooseColour(Qt::red, owner); }},
      {"font", [&](QWidget* owner) { platform.chooseFont(QFont(), owner); }},
      {"open",
       [&](QWidget* owner) {
         FileDialogRequest request;
         request.owner = owner;
         platform.chooseFileToOpen(request);
       }},
      {"save",
       [&](QWidget* owner) {
         FileDialogRequest request;
         request.owner = owner;
         platform.chooseFileAndTypeToSave(request);
       }},
  };
  mainWindow.show();
  tool.show();
  for (const auto& [kind, open] : dialogs) {
    tool.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tool));
    QWidget* seen = nullptr;
    noteOwnerOfNextDialog(seen);
    open(&mainWindow);
    EXPECT_EQ(seen, &mainWindow) << kind;
    tool.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tool));
    noteOwnerOfNextDialog(seen);
    open(nullptr);
    EXPECT_EQ(seen, &tool) << kind;
  }
}

TEST(QtPlatform, MessageBoxShowsTextIconButtonsAndTitle) {
  QtPlatform platform;
  SeenBox seen;
  answerNextBox(seen, QMessageBox::No);
  const MessageAnswer answer = platform.showMessage(
      {"error number : 13/84\r\nType mismatch", MessageIcon::Question, MessageButtons::YesNo});
  EXPECT_EQ(answer, MessageAnswer::No);
  EXPECT_EQ(seen.title, QStringLiteral("Velloro"));
  EXPECT_EQ(seen.text, QStringLiteral("error number : 13/84\nType mismatch"));
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.buttons.size(), 2);
}

TEST(QtPlatform, ExclamationAndCriticalIcons) {
  QtPlatform platform;
  SeenBox seen;
  answerNextBox(seen, QMessageBox::Ok);
  EXPECT_EQ(platform.showMessage({"Cannot read", MessageIcon::Exclamation}), MessageAnswer::Ok);
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  answerNextBox(seen, QMessageBox::Ok);
  platform.showMessage({"Thanks to give me more disk space ...", MessageIcon::Critical});
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.buttons.size(), 1);
}

TEST(QtPlatform, HelpPagesShowInOneWindowNamedMyWindow) {
  QTemporaryDir folder;
  QFile page(folder.filePath("velloro.htm"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<html><body><h1>First run</h1></body></html>");
  page.close();
  QtPlatform platform;
  platform.showHelp(QUrl::fromLocalFile(page.fileName()));
  platform.showHelp(QUrl::fromLocalFile(page.fileName()));
  int windows = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* browser = qobject_cast<QTextBrowser*>(widget);
    if (!browser || browser->objectName() != QStringLiteral("MyWindow")) continue;
    ++windows;
    EXPECT_TRUE(browser->isVisible());
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("First run")));
    browser->close();
  }
  EXPECT_EQ(windows, 1);
}

TEST(QtPlatform, HourglassIsRestored) {
  QtPlatform platform;
  {
    BusyPointer busy(platform);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtPlatform, StartingAMissingProgramFails) {
  QtPlatform platform;
  EXPECT_FALSE(platform.startProgram(QStringLiteral("/nonexistent/msinfo"), {}));
}

TEST(QtPlatform, SaveDialogStartsOnTheGivenFilterAndTellsTheOneInForce) {
  QTemporaryDir folder;
  QtPlatform platform;
  QString shownFilter;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    shownFilter = dialog->selectedNameFilter();
    dialog->selectNameFilter(QStringLiteral("Bitmap (*.bmp)"));
    dialog->selectFile(folder.filePath("logo"));
    static_cast<QDialog*>(dialog)->accept();
  });
  FileDialogRequest request;
  request.folder = folder.path();
  request.filter = QStringLiteral("Bitmap (*.bmp);;Standard compression (*.jpg *.jpeg)");
  request.selectedFilter = 1;
  const FileChoice choice = platform.chooseFileAndTypeToSave(request);
  EXPECT_EQ(shownFilter, QStringLiteral("Standard compression (*.jpg *.jpeg)"));
  EXPECT_EQ(choice.filter, 0);
  EXPECT_EQ(choice.path, folder.filePath("logo"));
}

// OK on the font dialog without touching anything keeps the font's face.
TEST(QtPlatform, FontDialogOpensOnTheFontsOwnFace) {
  struct Face {
    const char* family;
    bool bold;
    bool italic;
  };
  for (const Face face : {Face{"DejaVu Sans", true, false}, Face{"DejaVu Sans", false, false},
                          Face{"DejaVu Sans", false, true}, Face{"DejaVu Sans", true, true},
                          Face{"URW Bookman", true, false}, Face{"URW Bookman", false, true}}) {
    const QString family = QLatin1String(face.family);
    if (!QFontDatabase::families().contains(family)) continue;
    QFont initial(family, 20);
    initial.setBold(face.bold);
    initial.setItalic(face.italic);
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->accept();
    });
    QtPlatform platform;
    const std::optional<QFont> chosen = platform.chooseFont(initial, nullptr);
    ASSERT_TRUE(chosen.has_value()) << face.family;
    EXPECT_EQ(chosen->family(), family);
    EXPECT_EQ(chosen->bold(), face.bold) << face.family << face.bold << face.italic;
    EXPECT_EQ(chosen->italic(), face.italic) << face.family << face.bold << face.italic;
    EXPECT_TRUE(chosen->styleName().isEmpty());
  }
}

// The help window and its frame stay on the free part of the screen: a
// 900-pixel screen at 1x, the same screen at 2x.
TEST(HelpWindow, FitsItsFrameOnTheScreen) {
  const QMargins frame(4, 30, 4, 4);
  EXPECT_EQ(fittedOnScreen({720, 540}, frame, {0, 0, 1280, 900}, {640, 700}),
            QRect(281, 356, 720, 540));
  EXPECT_EQ(fittedOnScreen({720, 540}, frame, {0, 0, 640, 450}, {320, 225}),
            QRect(4, 30, 632, 416));
}
