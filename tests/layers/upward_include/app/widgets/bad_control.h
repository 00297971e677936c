#pragma once

#include "main_window/frm_main.h"
