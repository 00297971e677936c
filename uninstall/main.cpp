// Uninstall: opens the desktop's program manager and ends at once. It shows
// nothing of its own, and a manager that cannot be started is no error.
#include "software_manager.h"

int main() {
  startSoftwareManager();
  return 0;
}
