// The Outside panel's stack list driven by real clicks and keys: each change
// is one change of the model, the list shows it top entry first, and the
// window draws what --render draws with the same stack.
#include "design/outside_effects.h"
#include "main_window/outside_panel.h"
#include "main_window_fixture.h"

namespace {

// The stack bottom first: each entry's name, ":off" after one switched off.
std::string described(const EffectStack& stack) {
  std::string words;
  for (const EffectEntry& entry : stack) {
    const QLatin1StringView name = outsideEffect(entry.type).name;
    if (!words.empty()) words += ' ';
    words.append(name.data(), size_t(name.size()));
    if (!entry.on) words += ":off";
  }
  return words;
}

}  // namespace

class EffectStackPanelTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    window->panels()->tabStrip()->setCurrentIndex(2);  // "Outside", as a user opens it
    design().model.listen([this](Setting setting) { stackChanges += setting == Setting::Effects; });
  }
  OutsidePanel& outside() const { return window->panels()->outside(); }
  QListWidget* list() const { return outside().effectList(); }
  int stackChanges = 0;
};

using enum EffectType;

TEST_F(EffectStackPanelTest, ButtonsKeysAndChecksChangeTheStackOnceEach) {
  stackEffects({});
  ASSERT_TRUE(design().model.style().effects.empty());
  EXPECT_FALSE(outside().removeButton()->isEnabled());
  struct Step {
    const char* what;
    std::function<void()> act;
    const char* stack;  // bottom first
    int chosenRow;
    int changes;
  };
  auto click = [](QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); };
  const Step steps[] = {
      {"add outline", [&] { addEffect(Outline1); }, "outline1", 0, 1},
      {"add shadow", [&] { addEffect(DropShadow); }, "outline1 drop-shadow", 0, 1},
      {"add outline again", [&] { addEffect(Outline1); }, "outline1 drop-shadow outline1", 0, 1},
      {"down", [&] { click(outside().downButton()); }, "outline1 outline1 drop-shadow", 1, 1},
      {"up", [&] { click(outside().upButton()); }, "outline1 drop-shadow outline1", 0, 1},
      {"space switches the top off", [&] { QTest::keyClick(list(), Qt::Key_Space); },
       "outline1 drop-shadow outline1:off", 0, 1},
      {"arrow key chooses the shadow", [&] { QTest::keyClick(list(), Qt::Key_Down); },
       "outline1 drop-shadow outline1:off", 1, 0},
      {"remove the shadow", [&] { click(outside().removeButton()); }, "outline1 outline1:off", 1,
       1},
      {"up at the top refused",
       [&] {
         list()->setCurrentRow(0);
         click(outside().upButton());
       },
       "outline1 outline1:off", 0, 0},
  };
  list()->setFocus();
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    stackChanges = 0;
    step.act();
    const EffectStack& stack = design().model.style().effects;
    EXPECT_EQ(described(stack), step.stack);
    EXPECT_EQ(list()->currentRow(), step.chosenRow);
    EXPECT_EQ(stackChanges, step.changes);
    ASSERT_EQ(list()->count(), int(stack.size()));
    for (int row = 0; row < list()->count(); ++row)
      EXPECT_EQ(list()->item(row)->checkState() == Qt::Checked,
                stack[stack.size() - 1 - size_t(row)].on)
          << row;
  }
}

TEST_F(EffectStackPanelTest, EightEntriesAtMostAndTheLoadedStackShowsItsTopEntryChosen) {
  stackEffects({});
  for (int i = 0; i < mostEffects; ++i) addEffect(Glow);
  EXPECT_FALSE(outside().addButton()->isEnabled());
  stackChanges = 0;
  addEffect(Raised);
  EXPECT_EQ(design().model.style().effects.size(), size_t(mostEffects));
  EXPECT_EQ(stackChanges, 0);
  design().model.set(Setting::Effects, EffectStack{effectEntry(Raised), effectEntry(Glow)});
  EXPECT_EQ(list()->currentRow(), 0);
  EXPECT_TRUE(outside().findChild<QFrame*>(u"FrameOutline"_s)->isVisibleTo(&outside()));
  EXPECT_FALSE(outside().findChild<QFrame*>(u"FrameEngraved"_s)->isVisibleTo(&outside()));
}

TEST_F(EffectStackPanelTest, TheChosenEntrysSliderAndColourChangeItAloneAndDrawAsRenderDraws) {
  stackEffects({Outline1, DropShadow, Glow});
  list()->setCurrentRow(2);  // the outline at the bottom
  stackChanges = 0;
  outside().outlineSlider()->setValue(60);
  seam->colourAnswers.push_back(QColor(10, 20, 30));
  QTest::mouseClick(outside().outlineColourButton(), Qt::LeftButton);
  EXPECT_EQ(stackChanges, 2);
  const EffectStack& stack = design().model.style().effects;
  EXPECT_EQ(stack[0].values[0], 60);
  EXPECT_EQ(entryRgb(stack[0]), (Rgb{10, 20, 30}));
  EXPECT_EQ(stack[2], effectEntry(Glow));
  loadDefaultCurve();
  setTitle(u"Stack"_s, 40, {200, 120});
  expectDrawnAsRendered(
      u"--text|Stack|--size|40|--at|200,120|--canvas|631x331|--effect|outline1:width=60,colour="
      u"#0a141e|--effect|drop-shadow|--effect|glow"_s);
}

TEST_F(EffectStackPanelTest, TabReachesTheListAndEachButton) {
  stackEffects({Glow, Raised, Outline2});
  list()->setCurrentRow(1);  // every button enabled
  list()->setFocus();
  std::vector<QWidget*> reached;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    reached.push_back(QApplication::focusWidget());
  }
  EXPECT_EQ(reached, (std::vector<QWidget*>{outside().addButton(), outside().removeButton(),
                                            outside().upButton(), outside().downButton()}));
}
