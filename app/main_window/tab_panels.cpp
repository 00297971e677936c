#include "main_window/tab_panels.h"

#include <QStackedWidget>
#include <QTabBar>
#include <algorithm>

#include "main_window/panel_building.h"

namespace {

constexpr int tabCaptionLength = 11;

}  // namespace

QString tabCaption(const QString& caption) { return caption.leftJustified(tabCaptionLength, ' '); }

TabPanels::TabPanels(const PanelContext& context, QWidget* parent)
    : QWidget(parent),
      context_(context),
      tabStrip_(new QTabBar(this)),
      panelStack_(new QStackedWidget(this)),
      inside_(new InsidePanel(context, panelStack_)),
      edge_(new EdgePanel(context, *inside_, panelStack_)),
      outside_(new OutsidePanel(context, panelStack_)),
      deformation_(new DeformationPanel(context, panelStack_)),
      panelFrames_{inside_, edge_, outside_, deformation_} {
  tabStrip_->setObjectName(QStringLiteral("tabstrip1"));
  tabStrip_->setDrawBase(true);
  tabStrip_->setExpanding(false);
  const char* captions[] = {"Inside", "Edge", "Outside", "Deformation"};
  const char* hints[] = {"Fill, surface pattern and profile curve", "Material of the bevel",
                         "Effect around the design", "Turn or bend the design"};
  for (int i = 0; i < 4; ++i) {
    tabStrip_->addTab(tabCaption(QLatin1String(captions[i])));
    tabStrip_->setTabToolTip(i, QLatin1String(hints[i]));
  }
  panelStack_->move(panelLeftInStrip, panelTopInStrip);
  for (int i = 0; i < 4; ++i) {
    placed(panelFrames_[i], indexed("Frametab", i), QRect(0, 0, 552, 82));
    panelFrames_[i]->setFrameShape(QFrame::StyledPanel);
    panelStack_->addWidget(panelFrames_[i]);
  }
  showPanelOfTab(1);
}

void TabPanels::showPanelOfTab(int selectedTab) {
  for (int i = 0; i < 4; ++i) panelFrames_[i]->setEnabled(i == selectedTab - 1);
  panelStack_->setCurrentIndex(selectedTab - 1);
}

void TabPanels::resizeEvent(QResizeEvent*) {
  tabStrip_->setGeometry(0, 0, width(), tabStrip_->sizeHint().height());
  panelStack_->resize(std::max(0, width() - 2 * panelLeftInStrip), height() - panelTopInStrip);
}
