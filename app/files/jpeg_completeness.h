// Whether a JPEG file holds every block its frame announces. Walking the
// marker segments finds the end-of-image mark after a scan; a file cut in
// the middle of its scan with an end mark put back after the cut passes
// that walk, so the scans of a sequential Huffman-coded frame (what cameras
// and the program's own encoder write) are decoded as far as their codes,
// without the pixels, and must fill all their blocks.
#pragma once

#include <QByteArray>

bool isCompleteJpeg(const QByteArray& bytes);
