#pragma once

#include "main_window/main_window.h"
