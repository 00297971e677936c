#pragma once

#include <QMessageBox>
