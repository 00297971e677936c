#pragma once

#include <QColor>
#include <QDialog>
