# Libraries that sanitized programs load when they start instead of later.
#
# GCC 12's LeakSanitizer does not ask glibc where a dynamic thread-local
# block ends: for a block that starts 16 bytes past a page boundary it reads
# the 16 bytes before it as glibc's old block header. Under AddressSanitizer
# those bytes are the allocator's own chunk header, so the leak check at exit
# scans a wild range and its tracer dies (one block in about 128 lands there,
# the same one on every run of the same program on the same machine).
#
# The JPEG codec is the one library with thread-local storage that Qt loads
# late, with its image plugin, so its block is dynamic. Loaded with the
# program, its thread-local storage is part of the static block the leak
# check knows the bounds of. Link VELLORO_SANITIZED_STARTUP to every program
# that may read or write a JPEG.
find_library(VELLORO_JPEG_LIBRARY NAMES jpeg REQUIRED)
set(CMAKE_LINK_LIBRARY_USING_LOADED_AT_START
    "LINKER:--push-state,--no-as-needed" "<LINK_ITEM>" "LINKER:--pop-state")
set(CMAKE_LINK_LIBRARY_USING_LOADED_AT_START_SUPPORTED TRUE)
set(VELLORO_SANITIZED_STARTUP "$<LINK_LIBRARY:LOADED_AT_START,${VELLORO_JPEG_LIBRARY}>")
