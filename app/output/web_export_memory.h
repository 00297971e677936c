// The choices of Export for the web are kept between uses and runs, so a
// user who exports WebP at a quality of their own finds them set again.
#pragma once

#include "output/web_export_dialog.h"

// The choice last exported with; the dialog's defaults before the first.
WebExportChoice rememberedWebExportChoice();
void rememberWebExportChoice(const WebExportChoice& choice);
