// The name offered for a new input picture: the first free one of
// inputs/MyPic.bmp, inputs/MyPic1.bmp, inputs/MyPic2.bmp, ... in the program
// folder. Nothing is created but the inputs folder.
#pragma once

#include <QString>

class Platform;

QString findInputPictureName(const QString& programFolder, Platform& platform);
