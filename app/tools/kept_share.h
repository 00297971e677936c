// How much of the photo the picture tool's keying keeps, told in words
// under its commands: a click keeps the colours near the clicked one, so a
// click on the background keeps the background, and the share shows it
// before Apply does.
#pragma once

#include <QImage>
#include <QString>

// The share of the photo inside the mask's frame that is black (kept), in
// whole percent; 0 for a mask with nothing inside its frame.
int keptPercent(const QImage& mask);

// The words shown for a share.
QString keptReadout(int percent);
