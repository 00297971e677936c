#include "undo/undo_store.h"

#include "core_test.h"
#include "files/run_folder.h"
#include "undo/undo_files.h"

namespace {

// Stands in for the main window: the canvas is the canvas file's content,
// and the buttons' states are recorded.
class UndoStoreTest : public testing::Test {
 protected:
  void SetUp() override {
    showCanvas("first");
    store.setListener({[this](const QString& file) { shown = contentOf(file); },
                       [this] {
                         ++captures;
                         writeContent(canvasFile, shown);
                       },
                       [this](bool enabled) { undoButton.push_back(enabled); },
                       [this](bool enabled) { redoButton.push_back(enabled); },
                       [this] { return origin; }, [this](QPoint restored) { origin = restored; }});
  }
  void TearDown() override { store.deleteUndoFiles(); }

  void showCanvas(const QByteArray& picture) {
    shown = picture;
    writeContent(canvasFile, picture);
  }

  QTemporaryDir folder;
  const QString canvasFile = folder.filePath("canvas.bmp");
  ScriptedPlatform platform;
  UndoStore store;
  QByteArray shown;
  QPoint origin;
  int captures = 0;
  std::vector<bool> undoButton;
  std::vector<bool> redoButton;
};

}  // namespace

TEST_F(UndoStoreTest, UndoRedoAndARecordAfterAnUndoDropsTheLaterHistory) {
  store.record(canvasFile, platform);
  EXPECT_EQ(undoButton, std::vector<bool>{true});
  EXPECT_EQ(redoButton, std::vector<bool>{false});
  showCanvas("second");
  store.record(canvasFile, platform);
  showCanvas("third");
  store.undo(canvasFile, platform);
  store.undo(canvasFile, platform);
  EXPECT_EQ(shown, QByteArray("first"));
  EXPECT_EQ((std::array<int, 2>{store.counters.position, store.counters.top}), (std::array{0, 2}));
  EXPECT_EQ((std::pair<bool, bool>{undoButton.back(), redoButton.back()}),
            (std::pair{false, true}));
  EXPECT_EQ(captures, 2);  // each shown step is captured
  store.redo();
  EXPECT_EQ(shown, QByteArray("second"));
  EXPECT_EQ(captures, 3);
  store.record(canvasFile, platform);
  EXPECT_EQ(redoButton.back(), false);
  EXPECT_EQ(store.counters.position, store.counters.top);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(UndoStoreTest, RecordsBeyond32767OrOfAMissingCanvasEndSilently) {
  store.counters = {32767, 32767};
  store.record(canvasFile, platform);
  EXPECT_EQ(store.counters.position, 32767);
  store.counters = {};
  store.record(folder.filePath("no such canvas.bmp"), platform);
  EXPECT_EQ(store.counters.position, 0);
  EXPECT_TRUE(undoButton.empty());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(UndoStoreTest, FailedLoadKeepsHistoryAndCanvasInStep) {
  store.record(canvasFile, platform);
  showCanvas("changed");
  store.record(canvasFile, platform);
  QFile::remove(store.undoFile(1));
  store.setListener({[](const QString& file) {
                       if (!QFileInfo::exists(file)) throw Failure(53, "File not found");
                     },
                     [] {}, nullptr, nullptr, nullptr, nullptr});
  store.undo(canvasFile, platform);
  EXPECT_EQ(store.counters.position, 2);
  EXPECT_TRUE(platform.messages.empty());
}

TEST(UndoStoreDiskFull, RecordAndUndoAskForDiskSpace) {
  QTemporaryDir folder;
  UndoStore store([](const QString&, const QString& target) {
    throw Failure(errorNumber::DiskFull, "Disk full: " + target);
  });
  ScriptedPlatform platform;
  store.record(folder.filePath("canvas.bmp"), platform);
  store.counters = {1, 1};
  store.undo(folder.filePath("canvas.bmp"), platform);
  ASSERT_EQ(platform.messages.size(), 2u);
  for (const Message& message : platform.messages) {
    EXPECT_EQ(message.title + message.text, "VelloroThanks to give me more disk space ...");
    EXPECT_EQ(message.icon, MessageIcon::Critical);
  }
  EXPECT_EQ(store.counters.position, 1);
  store.deleteUndoFiles();
}

// Named UndoN.tmp in a folder of each store's own; a step that cannot be
// written leaves the counters.
TEST(UndoFiles, NamedUndoNumberTmpAStepThatCannotBeWrittenLeavesTheCountersAResetTakesAll) {
  UndoStore first;
  UndoStore second;
  EXPECT_TRUE(first.undoFile(7).endsWith(QStringLiteral("/Undo7.tmp")));
  EXPECT_TRUE(first.undoFile(7).startsWith(runFolder()));
  EXPECT_NE(first.undoFile(0), second.undoFile(0));
  first.deleteUndoFiles();
  second.deleteUndoFiles();
  UndoFiles undo(QStringLiteral("/nonexistent-folder/"), QStringLiteral("Undop1"));
  EXPECT_THROW(undo.save(filledPicture(20, 10, Qt::white)), Failure);
  EXPECT_EQ((std::array{undo.level(), undo.top()}), (std::array{0, 0}));
  // A reset takes every step's file.
  QTemporaryDir folder;
  undo = UndoFiles(folder.path() + '/', QStringLiteral("Undopt1"));
  EXPECT_EQ(undo.fileOfLevel(12), folder.path() + QStringLiteral("/Undopt112.tmp"));
  for (Qt::GlobalColor colour : {Qt::black, Qt::red, Qt::blue})
    undo.save(filledPicture(20, 10, colour));
  EXPECT_EQ(undo.undo(), filledPicture(20, 10, Qt::blue));
  undo.reset();
  for (int level = 0; level < 3; ++level) EXPECT_FALSE(QFile::exists(undo.fileOfLevel(level)));
  EXPECT_EQ((std::array{undo.level(), undo.top()}), (std::array{0, 0}));
}
