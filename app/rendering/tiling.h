// Covering a picture with copies of a tile, the way the new canvas and the
// texture preview show a texture.
#pragma once

class QImage;

// Copies `tile` at (0, 0), (0, th), ..., (tw, 0), ... across `target`, the
// last copies cut at its edges. An empty tile leaves the target as it is.
void tileOver(QImage& target, const QImage& tile);
