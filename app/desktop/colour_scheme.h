// Following the desktop's light or dark colour scheme for the program's own
// controls. Pictures (the canvas, the colour palettes, the previews) are
// drawn from their own pixels and keep their true colours either way.
#pragma once

#include <QPalette>
#include <QString>

enum class ColourScheme { Light, Dark };

// What the desktop says about its scheme, from the most to the least direct.
struct DesktopHints {
  QString colourSchemeSetting;  // GNOME's "color-scheme", e.g. 'prefer-dark'
  QString themeVariable;        // the GTK_THEME variable, e.g. "Adwaita:dark"
  QString themeSetting;         // GNOME's "gtk-theme", e.g. 'Adwaita-dark'
  bool paletteIsDark = false;   // the platform theme's palette has a dark window
};

ColourScheme schemeOf(const DesktopHints& hints);

// Reads the hints of the running desktop; a missing setting tool or setting
// leaves its hint empty.
DesktopHints readDesktopHints();

// The Fusion style's colours for dark desktops.
QPalette darkPalette();

// Switches the application to the Fusion style with the dark palette when
// the desktop is dark; a light desktop keeps the platform's own look.
void followDesktopColourScheme();
