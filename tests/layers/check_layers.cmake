# Fails when a source file includes a header of a folder above its own:
# engine <- files <- platform <- undo <- design <- document <- rendering <- widgets,
# desktop and headless <- tools, output and service <- main_window; and when
# the engine, the core (files to rendering), the renderer without a window
# or the render service includes a Qt Widgets header.
# Run as: cmake -DSOURCE_ROOT=<tree> [-DWIDGETS_HEADERS=<QtWidgets include folder>] -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_ROOT)
  message(FATAL_ERROR "SOURCE_ROOT is not set")
endif()

# Folder, then the include prefixes it must not use.
set(above_core "main_window/;tools/;output/;service/;widgets/;desktop/;headless/")
set(forbidden_files "platform/;undo/;design/;document/;rendering/;${above_core}")
set(forbidden_platform "undo/;design/;document/;rendering/;${above_core}")
set(forbidden_undo "design/;document/;rendering/;${above_core}")
set(forbidden_design "document/;rendering/;${above_core}")
set(forbidden_document "rendering/;${above_core}")
set(forbidden_rendering "${above_core}")
set(forbidden_widgets "main_window/;tools/;output/;service/;desktop/;headless/")
set(forbidden_desktop "main_window/;tools/;output/;service/;widgets/;headless/")
set(forbidden_headless "main_window/;tools/;output/;service/;widgets/;desktop/")
set(forbidden_tools "main_window/;output/;service/;headless/")
set(forbidden_output "main_window/;tools/;service/;headless/")
set(forbidden_service "main_window/;tools/;output/;widgets/;desktop/")
set(core_folders files platform undo design document rendering)

set(violations "")
foreach(folder ${core_folders} widgets desktop headless tools output service)
  file(GLOB_RECURSE sources "${SOURCE_ROOT}/app/${folder}/*.h" "${SOURCE_ROOT}/app/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
      foreach(prefix IN LISTS forbidden_${folder})
        if(line MATCHES "\"${prefix}")
          file(RELATIVE_PATH shown "${SOURCE_ROOT}" "${source}")
          string(APPEND violations "\n  ${shown}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

file(GLOB_RECURSE engine_sources "${SOURCE_ROOT}/engine/*.h" "${SOURCE_ROOT}/engine/*.cpp")
foreach(source IN LISTS engine_sources)
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(files|platform|undo|design|rendering|widgets|desktop|headless|tools|output|service|main_window)/")
  foreach(line IN LISTS includes)
    file(RELATIVE_PATH shown "${SOURCE_ROOT}" "${source}")
    string(APPEND violations "\n  ${shown}: ${line}")
  endforeach()
endforeach()

# The window-independent folders build without widgets: the headers Qt
# Widgets installs (QWidget, QDialog, QApplication, ...) and the module's own
# headers are refused there.
if(WIDGETS_HEADERS)
  file(GLOB widget_classes RELATIVE "${WIDGETS_HEADERS}" "${WIDGETS_HEADERS}/Q*")
  set(windowless_globs "${SOURCE_ROOT}/engine/*.h" "${SOURCE_ROOT}/engine/*.cpp")
  foreach(folder ${core_folders} headless service)
    list(APPEND windowless_globs "${SOURCE_ROOT}/app/${folder}/*.h" "${SOURCE_ROOT}/app/${folder}/*.cpp")
  endforeach()
  file(GLOB_RECURSE windowless_sources ${windowless_globs})
  foreach(source IN LISTS windowless_sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[^<]*<([^>]*)>.*$" "\\1" header "${line}")
      if(header MATCHES "^QtWidgets(/|$)" OR header IN_LIST widget_classes)
        file(RELATIVE_PATH shown "${SOURCE_ROOT}" "${source}")
        string(APPEND violations "\n  ${shown}: ${line}")
      endif()
    endforeach()
  endforeach()
endif()

if(violations)
  message(FATAL_ERROR "Includes against the layer order:${violations}")
endif()
