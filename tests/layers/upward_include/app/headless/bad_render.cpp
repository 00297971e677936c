#include "headless/render_command.h"
#include "widgets/picture_box.h"
