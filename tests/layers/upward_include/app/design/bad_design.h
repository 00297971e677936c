#pragma once

#include <QColor>
#include <QDialog>

#include "rendering/render_pipeline.h"
#include "undo/undo_store.h"
