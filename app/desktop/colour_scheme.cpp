#include "desktop/colour_scheme.h"

#include <QApplication>
#include <QProcess>
#include <QStyleFactory>

namespace {

// A setting tool that hangs must not hold up the start for long.
constexpr int settingToolMilliseconds = 1500;

QString gnomeInterfaceSetting(const QString& key) {
  QProcess tool;
  tool.start(QStringLiteral("gsettings"),
             {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"), key});
  if (!tool.waitForFinished(settingToolMilliseconds) || tool.exitCode() != 0) {
    tool.kill();
    tool.waitForFinished(settingToolMilliseconds);
    return {};
  }
  return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

bool namesDarkTheme(const QString& theme) {
  QString name = theme;
  name.remove(u'\'');
  return name.endsWith(QStringLiteral(":dark"), Qt::CaseInsensitive) ||
         name.endsWith(QStringLiteral("-dark"), Qt::CaseInsensitive);
}

}  // namespace

// GNOME's scheme setting decides when it states a preference; "default"
// leaves it to the theme names, then to the platform theme's palette.
ColourScheme schemeOf(const DesktopHints& hints) {
  if (hints.colourSchemeSetting.contains(QStringLiteral("prefer-dark"))) return ColourScheme::Dark;
  if (hints.colourSchemeSetting.contains(QStringLiteral("prefer-light")))
    return ColourScheme::Light;
  if (namesDarkTheme(hints.themeVariable) || namesDarkTheme(hints.themeSetting))
    return ColourScheme::Dark;
  return hints.paletteIsDark ? ColourScheme::Dark : ColourScheme::Light;
}

DesktopHints readDesktopHints() {
  DesktopHints hints;
  hints.colourSchemeSetting = gnomeInterfaceSetting(QStringLiteral("color-scheme"));
  hints.themeVariable = qEnvironmentVariable("GTK_THEME");
  hints.themeSetting = gnomeInterfaceSetting(QStringLiteral("gtk-theme"));
  hints.paletteIsDark = QApplication::palette().color(QPalette::Window).lightness() < 128;
  return hints;
}

QPalette darkPalette() {
  const QColor window(53, 53, 53);
  const QColor base(35, 35, 35);
  const QColor text(230, 230, 230);
  const QColor muted(128, 128, 128);
  QPalette dark;
  dark.setColor(QPalette::Window, window);
  dark.setColor(QPalette::WindowText, text);
  dark.setColor(QPalette::Base, base);
  dark.setColor(QPalette::AlternateBase, window);
  dark.setColor(QPalette::ToolTipBase, base);
  dark.setColor(QPalette::ToolTipText, text);
  dark.setColor(QPalette::PlaceholderText, muted);
  dark.setColor(QPalette::Text, text);
  dark.setColor(QPalette::Button, window);
  dark.setColor(QPalette::ButtonText, text);
  dark.setColor(QPalette::BrightText, Qt::red);
  dark.setColor(QPalette::Light, QColor(80, 80, 80));
  dark.setColor(QPalette::Midlight, QColor(66, 66, 66));
  dark.setColor(QPalette::Mid, QColor(45, 45, 45));
  dark.setColor(QPalette::Dark, QColor(25, 25, 25));
  dark.setColor(QPalette::Shadow, Qt::black);
  dark.setColor(QPalette::Link, QColor(90, 160, 240));
  dark.setColor(QPalette::LinkVisited, QColor(170, 130, 230));
  dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(QPalette::Disabled, role, muted);
  dark.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
  return dark;
}

void followDesktopColourScheme() {
  if (schemeOf(readDesktopHints()) != ColourScheme::Dark) return;
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setPalette(darkPalette());
}
