#pragma once

#include "files/failure.h"
#include "platform/platform.h"
