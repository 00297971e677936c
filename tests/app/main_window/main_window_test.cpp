#include "main_window_fixture.h"

TEST_F(MainWindowTest, CropButtonAndTheToolsMenuEntryToggleOneCropMode) {
  QAction* crop = window->toolButton(u"Crop"_s);
  QAction* entry = window->menuEntry(u"mnucrop"_s);
  for (QAction* clicked : {crop, crop, entry, entry}) {
    const bool wasOn = crop->isChecked();
    clicked->trigger();
    emit window->menu(u"mnuTools"_s)->aboutToShow();
    EXPECT_EQ(crop->isChecked(), !wasOn);
    EXPECT_EQ(entry->isChecked(), !wasOn);
    EXPECT_EQ(window->canvasView()->cursor().shape(), wasOn ? Qt::ArrowCursor : Qt::CrossCursor);
  }
}

TEST_F(MainWindowTest, PasteIsEnabledOnlyWithAPictureOnTheClipboard) {
  QAction* paste = window->menuEntry(u"mnuEditPaste"_s);
  QApplication::clipboard()->setText(u"words"_s);
  emit window->menu(u"mnuedit"_s)->aboutToShow();
  EXPECT_FALSE(paste->isEnabled());
  QApplication::clipboard()->setImage(filled({4, 4}, Qt::red));
  emit window->menu(u"mnuedit"_s)->aboutToShow();
  EXPECT_TRUE(paste->isEnabled());
  EXPECT_FALSE(window->menuEntry(u"mnuEditUndo"_s)->isEnabled());
  paste->trigger();
  EXPECT_EQ(canvas().size(), QSize(4, 4));
  EXPECT_EQ(design().geometry.canvasRows, 4);
  emit window->menu(u"mnuedit"_s)->aboutToShow();
  EXPECT_TRUE(window->menuEntry(u"mnuEditUndo"_s)->isEnabled());
  window->toolButton(u"Undo"_s)->trigger();
  EXPECT_EQ(canvas().size(), QSize(631, 331));
}
