// Puts a preview pane into Qt's own (widget-based) file dialog, below its
// file list, and feeds it every existing file that comes under the selection.
#pragma once

class FilePreview;
class QFileDialog;

void attachPreview(QFileDialog& dialog, FilePreview& preview);
