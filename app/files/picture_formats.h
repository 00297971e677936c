// The picture formats Velloro's file dialogs offer, in the dialogs' filter
// text ("description|patterns|..."). PNG is always read and written; WebP
// comes from an image-format plugin and is offered only when this run can
// read it (open dialogs) or write it (Save As).
#pragma once

#include <QString>
#include <optional>

#include "files/web_encoding.h"

// Open, and the picture tool's Load: every readable picture, then each kind.
QString openPictureFilter();

// The textures dialog and the New dialog's texture: one entry of all kinds.
QString imageFilesFilter();

// Save As: Bitmap, JPEG, then PNG and WebP.
QString savePictureFilter();

// The Save As filter entries of Bitmap and JPEG.
inline constexpr int bitmapEntry = 0;
inline constexpr int jpegEntry = 1;

// The Save As filter entry of the format that the extension of `name` names
// (".bmp", ".jpg" or ".jpeg", and the web formats this run writes), in any
// case; `otherwise` for any other name.
int saveEntryOfName(const QString& name, int otherwise);

// The web format of a Save As filter entry, by its index; none for Bitmap
// and JPEG.
std::optional<WebFormat> webFormatOfSaveEntry(int entry);

// Whether this run reads WebP pictures.
bool webpReadable();

// The format of a picture file by its first bytes, as QImageReader names it
// ("bmp", "jpeg", "gif", "png", "webp"), when it is one the dialogs offer;
// empty for any other content. The loader decodes nothing else, so that no
// other decoder is reached by a file.
QByteArray offeredFormatOf(const QByteArray& head);

// `chosen` with the extension of `format` in place of its own (or added when
// it has none), unless it already ends in it, in any case.
QString webNameOf(const QString& chosen, WebFormat format);

// The encoding Save and Save As use for a canvas: lossless.
WebEncoding savedWebEncoding(WebFormat format);
