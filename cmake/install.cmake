# Installation layout and the help pages of the uninstalled build.
#
# The program finds its help pages from its own location (gui/launcher.cpp):
# "<bindir>/help" in the build tree, "<bindir>/../share/vorlex/help" when
# installed. Keep both sides in step when changing either.
include(GNUInstallDirs)

set(VORLEX_RESOURCES ${CMAKE_CURRENT_SOURCE_DIR}/resources)

if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "vorlex looks for its help in ../share/vorlex/help beside its executable; "
                  "with BINDIR=${CMAKE_INSTALL_BINDIR} and DATADIR=${CMAKE_INSTALL_DATADIR} "
                  "Help Topics will not find the installed pages.")
endif()

install(TARGETS vorlex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VORLEX_RESOURCES}/vorlex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# shared-mime-info reads every file in packages/; name it after the package.
install(FILES ${VORLEX_RESOURCES}/vorlex-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vorlex.xml)
install(FILES ${VORLEX_RESOURCES}/vorlex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${VORLEX_RESOURCES}/help/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vorlex/help)

# The manual page carries the project's version; its text is kept in step
# with `vorlex --help` by the test doc.man_page_lists_every_option.
set(VORLEX_PACKAGING ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
configure_file(${VORLEX_PACKAGING}/vorlex.1.in ${CMAKE_CURRENT_BINARY_DIR}/vorlex.1 @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vorlex.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Software centres find the program through its AppStream component, named
# after its id.
install(FILES ${VORLEX_PACKAGING}/io.github.vorlex.vorlex.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Menus and docks that cannot draw SVG pick the PNG of their size. They are
# rendered from the one drawing when rsvg-convert (librsvg2-bin) is there;
# scripts/package.sh insists on them.
find_program(VORLEX_RSVG_CONVERT rsvg-convert)
if(VORLEX_RSVG_CONVERT)
  set(VORLEX_PNG_ICONS)
  foreach(size 16 32 48 64 128 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/vorlex.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${VORLEX_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${VORLEX_RESOURCES}/vorlex.svg
      DEPENDS ${VORLEX_RESOURCES}/vorlex.svg
      COMMENT "Rendering the ${size}x${size} icon"
      VERBATIM)
    list(APPEND VORLEX_PNG_ICONS ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(vorlex_icons ALL DEPENDS ${VORLEX_PNG_ICONS})
endif()

# The desktop's caches (MIME database, desktop file index, icon cache) are
# refreshed by the package manager's triggers or by hand after installing to
# a private prefix:
#   update-mime-database <prefix>/share/mime
#   update-desktop-database <prefix>/share/applications

# Uninstalled runs: copy the help pages beside the executable. One rule per
# page, so editing a page copies it again without relinking anything.
if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(VORLEX_BUILD_HELP ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help)
else()
  set(VORLEX_BUILD_HELP ${CMAKE_CURRENT_BINARY_DIR}/help)
endif()
file(GLOB VORLEX_HELP_PAGES CONFIGURE_DEPENDS ${VORLEX_RESOURCES}/help/*)
set(VORLEX_BUILD_HELP_PAGES)
foreach(page IN LISTS VORLEX_HELP_PAGES)
  get_filename_component(name ${page} NAME)
  add_custom_command(OUTPUT ${VORLEX_BUILD_HELP}/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VORLEX_BUILD_HELP}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${page} ${VORLEX_BUILD_HELP}/${name}
    DEPENDS ${page}
    COMMENT "Copying help page ${name}"
    VERBATIM)
  list(APPEND VORLEX_BUILD_HELP_PAGES ${VORLEX_BUILD_HELP}/${name})
endforeach()
add_custom_target(vorlex_help ALL DEPENDS ${VORLEX_BUILD_HELP_PAGES})
add_dependencies(vorlex vorlex_help)
