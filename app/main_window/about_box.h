// `frmAbout`: the About box. It shows the version, invites the user to write
// to the maker (a click on the invitation opens a mail) and starts the
// system-information tool. It changes nothing in the design.
#pragma once

#include <QDialog>
#include <QStringList>

class Platform;
class QLabel;
class QPushButton;

// "Velloro Version " + major.minor.revision of this build.
QString versionText();

// Starts the first system-information tool found on `searchPath` (the
// program's path when empty); shows "System informations not currently
// available ..." when there is none or it does not start.
void StartSysInfo(Platform& platform, const QStringList& searchPath = {});

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  // `fontScaleFactor` scales the control fonts as the owner's are.
  AboutBox(QWidget* owner, double fontScaleFactor);

  QLabel* Image1;
  QLabel* lblVersion;
  QLabel* lblDisclaimer;
  QLabel* lblDescription;
  QPushButton* cmdOK;
  QPushButton* cmdSysInfo;

  void load();
  void okClicked();
  void descriptionClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  double fontScaleFactor_;
};
