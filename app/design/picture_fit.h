// Scaling a W x H picture into an A x B box with its proportions kept: full
// width when the picture is relatively wider than the box, full height
// otherwise. Results round halves to the even neighbour.
#pragma once

#include <cstdint>

int32_t fitWidth(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth, int32_t pictureHeight);
int32_t fitHeight(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth, int32_t pictureHeight);
