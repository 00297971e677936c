#include "main_window/about_box.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QUrl>

#include "files/site_tags.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "widgets/control_fonts.h"
#include "widgets/placed_control.h"

namespace {

const QString supportAddress = QStringLiteral("support@velloro.example");

// System-information tools of the common desktops, the most complete first.
const QStringList systemInformationTools{QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                         QStringLiteral("kinfocenter")};

}  // namespace

QString versionText() {
  return applicationTitle + QStringLiteral(" Version %1.%2.%3")
                                .arg(VELLORO_VERSION_MAJOR)
                                .arg(VELLORO_VERSION_MINOR)
                                .arg(VELLORO_VERSION_REVISION);
}

void StartSysInfo(Platform& platform, const QStringList& searchPath) {
  for (const QString& tool : systemInformationTools) {
    const QString found = QStandardPaths::findExecutable(tool, searchPath);
    if (!found.isEmpty() && platform.startProgram(found, {})) return;
  }
  platform.showMessage({QStringLiteral("System informations not currently available ...")});
}

AboutBox::AboutBox(QWidget* owner, double fontScaleFactor)
    : QDialog(owner), fontScaleFactor_(fontScaleFactor) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral(" About ") + applicationTitle + QStringLiteral(" ..."));
  Image1 = placed<QLabel>(this, "Image1", QString(), {16, 16, 48, 48});
  Image1->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(32, 32));
  lblVersion = placed<QLabel>(this, "lblVersion", QString(), {80, 16, 300, 24});
  lblDisclaimer = placed<QLabel>(
      this, "lblDisclaimer",
      QStringLiteral("Velloro is given as it is, without any warranty. The pictures you make "
                     "with it are yours."),
      {16, 120, 260, 48});
  lblDisclaimer->setWordWrap(true);
  lblDescription = placed<QLabel>(
      this, "lblDescription",
      QStringLiteral("Advices, bug report, criticals, congratulations, proposals ..."),
      {80, 52, 300, 40});
  lblDescription->setWordWrap(true);
  lblDescription->setCursor(Qt::PointingHandCursor);
  lblDescription->installEventFilter(this);
  cmdOK = placed<QPushButton>(this, "cmdOK", QStringLiteral("OK"), {292, 112, 96, 28});
  cmdOK->setDefault(true);
  cmdSysInfo =
      placed<QPushButton>(this, "cmdSysInfo", QStringLiteral("System &info"), {292, 148, 96, 28});
  cmdOK->setToolTip(QStringLiteral("Close this window"));
  cmdSysInfo->setToolTip(QStringLiteral("Show information about this system"));
  setFixedSize(404, 192);
  connect(cmdOK, &QPushButton::clicked, this, &AboutBox::okClicked);
  connect(cmdSysInfo, &QPushButton::clicked, this, [] { StartSysInfo(platform()); });
}

void AboutBox::load() {
  runTrapped(platform(), siteTag::frmAbout_Load, [this] {
    lblVersion->setText(versionText());
    adjustControlFonts(*this, fontScaleFactor_, platform());
  });
}

void AboutBox::okClicked() {
  runTrapped(platform(), siteTag::frmAbout_OKButton_Click, [this] { accept(); });
}

void AboutBox::descriptionClicked() {
  runTrapped(platform(), siteTag::frmAbout_Description_Click, [] {
    QUrl mail(QStringLiteral("mailto:") + supportAddress);
    mail.setQuery(QStringLiteral("subject=") + versionText());
    platform().openUrl(mail);  // a mail program that does not start is no failure
    platform().processPendingEvents();
  });
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblDescription && event->type() == QEvent::MouseButtonRelease) {
    descriptionClicked();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}
