#include "platform/scripted_platform.h"

#include <gtest/gtest.h>
#include <QDialog>

#include <QPrinter>
#include <stdexcept>

TEST(ScriptedPlatform, PreparedAnswersInOrderThenDefaults) {
  ScriptedPlatform platform;
  platform.messageAnswers = {MessageAnswer::No};
  platform.fileAnswers = {"/tmp/a.bmp"};
  EXPECT_EQ(platform.showMessage({"Crop ?", MessageIcon::Question, MessageButtons::YesNo}),
            MessageAnswer::No);
  EXPECT_EQ(platform.showMessage({"Again ?", MessageIcon::Question, MessageButtons::YesNo}),
            MessageAnswer::Yes);
  EXPECT_EQ(platform.showMessage({"Done."}), MessageAnswer::Ok);
  EXPECT_EQ(platform.chooseFileToOpen({}), QStringLiteral("/tmp/a.bmp"));
  EXPECT_EQ(platform.chooseFileToSave({}), QString());
  EXPECT_EQ(platform.chooseColour(Qt::red, nullptr), std::nullopt);
  EXPECT_EQ(platform.chooseFont(QFont(), nullptr), std::nullopt);
  QPrinter printer;
  EXPECT_FALSE(platform.setUpPrinter(printer, nullptr));
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("Crop ?"));
  EXPECT_EQ(platform.messages[2].title, QStringLiteral("Velloro"));
}

TEST(ScriptedPlatform, BusyPointerEndsAlsoOnFailure) {
  ScriptedPlatform platform;
  try {
    BusyPointer busy(platform);
    EXPECT_EQ(platform.busyDepth, 1);
    throw std::runtime_error("render failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(platform.busyDepth, 0);
  EXPECT_EQ(platform.busyPeriods, 1);
}

TEST(ScriptedPlatform, AModalDialogIsShownToItsAnswerAndCancelledWhenLeftOpen) {
  ScriptedPlatform seam;
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Ellipse"));
  bool shownToAnswer = false;
  seam.modalAnswers.push_back([&](QDialog& shown) { shownToAnswer = shown.isVisible(); });
  QObject::connect(&dialog, &QDialog::rejected, [&] { dialog.setProperty("cancelled", true); });
  seam.showModal(dialog);
  EXPECT_TRUE(shownToAnswer);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(dialog.property("cancelled").toBool());
  ASSERT_EQ(seam.modalDialogs.size(), 1u);
  EXPECT_EQ(seam.modalDialogs[0], QStringLiteral("Ellipse"));
}
