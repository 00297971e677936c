# Installation: the program and its lowercase link in bin/, the engine, the
# window and service libraries and Uninstall in lib/velloro/, the shipped data in
# share/velloro/, and the desktop's launcher, icons, AppStream metainfo and
# MIME types.
include(GNUInstallDirs)

# The engine is private to the program, so it stays out of the multiarch
# library folder that GNUInstallDirs picks for /usr on Debian.
set(VELLORO_INSTALL_LIBDIR lib/velloro)
set(VELLORO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/velloro)

# The program finds its engine and data relative to its own folder, so the
# prefix can change at install time.
file(RELATIVE_PATH engine_from_bin /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${VELLORO_INSTALL_LIBDIR})
file(RELATIVE_PATH data_from_bin /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${VELLORO_INSTALL_DATADIR})
target_compile_definitions(velloro_core PRIVATE
  VELLORO_ENGINE_FROM_BIN="${engine_from_bin}"
  VELLORO_DATA_FROM_BIN="${data_from_bin}")

install(TARGETS velloro_program RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
file(CREATE_LINK Velloro ${CMAKE_BINARY_DIR}/install/velloro SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/install/velloro DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS velloro_engine_shared velloro_window_library velloro_service_library
        LIBRARY DESTINATION ${VELLORO_INSTALL_LIBDIR} NAMELINK_SKIP)
install(TARGETS Uninstall RUNTIME DESTINATION ${VELLORO_INSTALL_LIBDIR})

foreach(folder curves textures help styles)
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/data/${folder})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/${folder} DESTINATION ${VELLORO_INSTALL_DATADIR}
            PATTERN ".*" EXCLUDE)
  endif()
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/docs/velloro.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The render service's unit, installed disabled, and the nginx configuration
# of replicas behind a cache as an example.
# The package installs under /usr, where the unit looks for the program.
set(VELLORO_BINARY /usr/${CMAKE_INSTALL_BINDIR}/Velloro)
configure_file(${PROJECT_SOURCE_DIR}/data/deploy/velloro.service.in
               ${CMAKE_BINARY_DIR}/install/velloro.service @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/install/velloro.service DESTINATION lib/systemd/system)
install(FILES ${PROJECT_SOURCE_DIR}/data/deploy/nginx-velloro.conf.in
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velloro/examples)

set(desktop_files ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${desktop_files}/velloro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_files}/org.velloro.Velloro.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_files}/velloro-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME velloro.xml)
install(FILES ${desktop_files}/velloro.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)

set(icon_theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${desktop_files}/velloro.svg DESTINATION ${icon_theme}/scalable/apps)
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(icon_pngs)
  foreach(size 16 22 24 32 48 64 128 256 512)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/velloro.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${desktop_files}/velloro.svg
      DEPENDS ${desktop_files}/velloro.svg)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${icon_theme}/${size}x${size}/apps)
  endforeach()
  add_custom_target(velloro_icons ALL DEPENDS ${icon_pngs})
else()
  message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()
