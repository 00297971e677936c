# Fails when a source file includes a header of a folder above its own:
# engine <- state and platform <- widgets <- tools and output <- main_window.
# Run as: cmake -DSOURCE_ROOT=<tree> -P check_layers.cmake
if(NOT SOURCE_ROOT)
  message(FATAL_ERROR "SOURCE_ROOT is not set")
endif()

# Folder, then the include prefixes it must not use.
set(forbidden_state "main_window/;tools/;output/;widgets/")
set(forbidden_platform "main_window/;tools/;output/;widgets/")
set(forbidden_widgets "main_window/;tools/;output/")
set(forbidden_tools "main_window/;output/")
set(forbidden_output "main_window/;tools/")

set(violations "")
foreach(folder state platform widgets tools output)
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
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(state|platform|widgets|tools|output|main_window)/")
  foreach(line IN LISTS includes)
    file(RELATIVE_PATH shown "${SOURCE_ROOT}" "${source}")
    string(APPEND violations "\n  ${shown}: ${line}")
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes against the layer order:${violations}")
endif()
