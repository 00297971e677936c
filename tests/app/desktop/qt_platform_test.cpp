#include "desktop/qt_platform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

#include "desktop/help_window.h"
#include "test_files.h"

// Runs `act` on the next modal dialog once it is shown.
template <typename Dialog>
static void whenShown(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
  });
}

// A help page of `body` in `folder`.
static QUrl helpPage(const QTemporaryDir& folder, const QByteArray& body) {
  const QUrl page = QUrl::fromLocalFile(folder.filePath("velloro.htm"));
  writeContent(page.toLocalFile(), "<html><body>" + body + "</body></html>");
  return page;
}

// The help windows, shown or not; `shown` only those on the screen.
static std::vector<QTextBrowser*> helpWindows(bool shown = false) {
  std::vector<QTextBrowser*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == QStringLiteral("MyWindow") && (!shown || widget->isVisible()))
      if (auto* browser = qobject_cast<QTextBrowser*>(widget)) windows.push_back(browser);
  return windows;
}

// A dialog belongs to the window its caller names; one that names none
// belongs to the active window, not to the main window.
TEST(QtPlatform, EachDialogBelongsToTheWindowThatOpensIt) {
  QWidget mainWindow;
  QWidget tool;
  QtPlatform platform;
  platform.setOwner(&mainWindow);
  FileDialogRequest request;
  const std::function<void(QWidget*)> dialogs[] = {
      [&](QWidget* owner) {
        platform.showMessage({"Saved", MessageIcon::None, MessageButtons::Ok, "t", owner});
      },
      [&](QWidget* owner) { platform.chooseColour(Qt::red, owner); },
      [&](QWidget* owner) { platform.chooseFont(QFont(), owner); },
      [&](QWidget* owner) { request.owner = owner, platform.chooseFileToOpen(request); },
      [&](QWidget* owner) { request.owner = owner, platform.chooseFileAndTypeToSave(request); },
  };
  mainWindow.show();
  tool.show();
  for (size_t kind = 0; kind < std::size(dialogs); ++kind)
    for (QWidget* named : {&mainWindow, static_cast<QWidget*>(nullptr)}) {
      tool.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&tool));
      QWidget* seen = nullptr;
      whenShown<QDialog>([&seen](QDialog& dialog) {
        seen = dialog.parentWidget();
        dialog.reject();
      });
      dialogs[kind](named);
      EXPECT_EQ(seen, named ? named : &tool) << "dialog " << kind;
    }
}

// Line ends of the text are the system's own; each icon is the system's.
TEST(QtPlatform, MessageBoxShowsTextIconButtonsAndTitle) {
  using enum QMessageBox::StandardButton;
  const std::tuple<MessageIcon, MessageButtons, QMessageBox::Icon, QMessageBox::StandardButton,
                   MessageAnswer>
      cases[] = {{MessageIcon::Question, MessageButtons::YesNo, QMessageBox::Question, No,
                  MessageAnswer::No},
                 {MessageIcon::Exclamation, MessageButtons::Ok, QMessageBox::Warning, Ok,
                  MessageAnswer::Ok},
                 {MessageIcon::Critical, MessageButtons::Ok, QMessageBox::Critical, Ok,
                  MessageAnswer::Ok}};
  QtPlatform platform;
  for (const auto& [icon, buttons, shown, pressed, answer] : cases) {
    whenShown<QMessageBox>([&](QMessageBox& box) {
      EXPECT_EQ(box.windowTitle(), QStringLiteral("Velloro"));
      EXPECT_EQ(box.text(), QStringLiteral("error number : 13/84\nType mismatch"));
      EXPECT_EQ(box.icon(), shown);
      EXPECT_EQ(box.buttons().size(), buttons == MessageButtons::YesNo ? 2 : 1);
      box.button(pressed)->click();
    });
    EXPECT_EQ(platform.showMessage({"error number : 13/84\r\nType mismatch", icon, buttons}),
              answer);
  }
}

// A desktop theme that orders a dialog's buttons its own way.
class ButtonOrder : public QProxyStyle {
 public:
  explicit ButtonOrder(QDialogButtonBox::ButtonLayout layout)
      : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), layout_(layout) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_DialogButtonLayout) return layout_;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }

 private:
  QDialogButtonBox::ButtonLayout layout_;
};

// Enter, pressed as soon as the question shows, keeps the work whichever
// order the desktop's theme gives the buttons.
TEST(QtPlatform, EnterPressesTheButtonThatKeepsTheWorkUnderEveryButtonOrder) {
  const QString ownStyle = QApplication::style()->name();
  const std::pair<MessageButtons, MessageAnswer> questions[] = {
      {MessageButtons::SaveDiscardCancel, MessageAnswer::Save},
      {MessageButtons::YesNoCancel, MessageAnswer::Yes},
      {MessageButtons::YesNo, MessageAnswer::Yes},
      {MessageButtons::OkCancel, MessageAnswer::Ok},
  };
  QtPlatform platform;
  for (const auto layout :
       {QDialogButtonBox::WinLayout, QDialogButtonBox::MacLayout, QDialogButtonBox::KdeLayout,
        QDialogButtonBox::GnomeLayout, QDialogButtonBox::AndroidLayout})
    for (const auto& [buttons, kept] : questions) {
      SCOPED_TRACE(testing::Message() << "layout " << layout << " buttons " << int(buttons));
      QApplication::setStyle(new ButtonOrder(layout));
      whenShown<QMessageBox>([](QMessageBox& box) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &box,
                        Qt::Key_Return);
        if (box.isVisible()) box.reject();
      });
      EXPECT_EQ(platform.showMessage({"Do you want to save the changes to logo.bmp ?",
                                      MessageIcon::Question, buttons}),
                kept);
    }
  QApplication::setStyle(ownStyle);
}

TEST(QtPlatform, HelpPagesShowInOneWindowNamedMyWindowTheHourglassIsRestored) {
  QTemporaryDir folder;
  const QUrl page = helpPage(folder, "<h1>First run</h1>");
  QtPlatform platform;
  platform.showHelp(page);
  platform.showHelp(page);
  const std::vector<QTextBrowser*> windows = helpWindows();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_TRUE(windows[0]->isVisible());
  EXPECT_TRUE(windows[0]->toPlainText().contains(QStringLiteral("First run")));
  windows[0]->close();
  {
    BusyPointer busy(platform);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtPlatform, SaveDialogStartsOnTheGivenFilterAndTellsTheOneInForce) {
  QTemporaryDir folder;
  QtPlatform platform;
  QString shownFilter;
  whenShown<QFileDialog>([&](QFileDialog& dialog) {
    shownFilter = dialog.selectedNameFilter();
    dialog.selectNameFilter(QStringLiteral("Bitmap (*.bmp)"));
    dialog.selectFile(folder.filePath("logo"));
    static_cast<QDialog&>(dialog).accept();
  });
  const FileChoice choice = platform.chooseFileAndTypeToSave(
      {.folder = folder.path(),
       .filter = QStringLiteral("Bitmap (*.bmp);;Standard compression (*.jpg *.jpeg)"),
       .selectedFilter = 1});
  EXPECT_EQ(shownFilter, QStringLiteral("Standard compression (*.jpg *.jpeg)"));
  EXPECT_EQ(choice.filter, 0);
  EXPECT_EQ(choice.path, folder.filePath("logo"));
}

// OK on the font dialog without touching anything keeps the font's face.
TEST(QtPlatform, FontDialogOpensOnTheFontsOwnFace) {
  for (const char* family : {"DejaVu Sans", "URW Bookman"})
    for (const bool bold : {false, true})
      for (const bool italic : {false, true}) {
        if (!QFontDatabase::families().contains(QLatin1String(family))) continue;
        SCOPED_TRACE(testing::Message() << family << bold << italic);
        QFont initial(QLatin1String(family), 20);
        initial.setBold(bold);
        initial.setItalic(italic);
        whenShown<QFontDialog>([](QFontDialog& dialog) { dialog.accept(); });
        QtPlatform platform;
        const std::optional<QFont> chosen = platform.chooseFont(initial, nullptr);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(chosen->family(), QLatin1String(family));
        EXPECT_EQ(chosen->bold(), bold);
        EXPECT_EQ(chosen->italic(), italic);
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

// Esc closes the help; other keys, Esc with a modifier among them, leave it.
TEST(HelpWindow, EscClosesIt) {
  QTemporaryDir folder;
  const QUrl page = helpPage(folder, "<p>Help</p>");
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, bool> keys[] = {
      {Qt::Key_Down, Qt::NoModifier, true},
      {Qt::Key_Escape, Qt::ShiftModifier, true},
      {Qt::Key_Escape, Qt::NoModifier, false},
  };
  for (const auto& [key, modifiers, stays] : keys) {
    SCOPED_TRACE(testing::Message() << key << " " << modifiers);
    QtPlatform platform;
    platform.showHelp(page);
    ASSERT_EQ(helpWindows(true).size(), 1u);
    QTextBrowser* help = helpWindows(true).front();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help, key, modifiers);
    EXPECT_EQ(help->isVisible(), stays);
    if (stays) help->close();
    QApplication::processEvents();
  }
}

// Beside a window just shown, whose frame the window system has not told
// yet, the help keeps room for a title bar above it on the screen, as it
// does beside a window with a known frame. A 640 x 512 screen: 1280 x 1024
// at twice the scale.
TEST(HelpWindow, BesideAWindowWithoutAFrameYetItsTitleBarStaysOnTheScreen) {
  const QRect screen(0, 0, 640, 512);
  const QMargins known(1, 20, 1, 5);
  const struct {
    QRect owner;
    QMargins frame;
  } owners[] = {{{0, 20, 300, 400}, {}},
                {{1, 20, 300, 400}, known},
                {{100, 300, 300, 150}, {}},
                {{0, 20, 640, 487}, {}}};
  for (const auto& [owner, frame] : owners) {
    SCOPED_TRACE(testing::Message() << owner.x() << "," << owner.y() << " " << frame.top());
    const HelpPlacement placed = helpBesideOwner(owner, frame, {720, 540}, screen);
    EXPECT_GE(placed.help.top() - screen.top(), frame.isNull() ? 20 : frame.top());
    EXPECT_LE(placed.help.bottom(), screen.bottom() - (frame.isNull() ? 1 : frame.bottom()));
    EXPECT_GE(placed.help.height(), 400);
  }
}
