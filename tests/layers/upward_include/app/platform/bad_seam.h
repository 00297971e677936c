#pragma once

#include <QMessageBox>

#include "design/design_state.h"
#include "files/failure.h"
