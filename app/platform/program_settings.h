// The program's settings, in the INI file "Velloro/Velloro.conf" of the
// user's configuration folder. Every write of the settings follows the link
// rule of every other write (files/file_writing.h): a link is followed only
// where that is safe, and only a plain file is ever replaced; reading never
// waits on a pipe or a device.
#pragma once

#include <QSettings>
#include <QString>

// The settings file; in the user's configuration folder unless
// keepSettingsIn() named another folder.
QString programSettingsFile();

// Keeps the settings in `folder`/Velloro/Velloro.conf from now on, as a
// test run does.
void keepSettingsIn(const QString& folder);

// The settings, opened on the plain file the settings file leads to. Where
// no write may go, they start empty and are held by this object alone: its
// status() tells AccessError once it is synced.
QSettings programSettings();
