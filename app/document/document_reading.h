// Between a VelloroDocument and the bytes of its file: the manifest
// "design.json" (format, version, the design, the pictures' names), one PNG
// part per picture and the font file's part. Reading trusts nothing: the
// manifest's nesting, every picture's size (held to the canvas limits before
// its pixels are allocated) and the font file's kind are checked, and the
// first fault found is thrown as a DocumentRefusal.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "document/document_container.h"
#include "document/velloro_document.h"

QByteArray documentBytes(const VelloroDocument& document);

VelloroDocument readDocument(QByteArrayView bytes);
