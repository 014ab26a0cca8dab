# The window's translations: translations/vorlex_<lang>.ts compiled by
# lrelease and embedded in vorlex_gui as resources under :/i18n, so that a
# start-up finds them without touching the disk and an uninstalled build
# speaks the same languages as an installed one.
#
# lrelease comes with Qt's LinguistTools (qt6-l10n-tools on Debian). Without
# it the program builds and speaks English only.
find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(TARGET Qt6::lrelease)
  set(VORLEX_LRELEASE $<TARGET_FILE:Qt6::lrelease>)
else()
  find_program(VORLEX_LRELEASE_PROGRAM NAMES lrelease lrelease-qt6 NAMES_PER_DIR
    HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}"
          /usr/lib/qt6/bin)
  set(VORLEX_LRELEASE ${VORLEX_LRELEASE_PROGRAM})
endif()

file(GLOB VORLEX_TS_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/translations/vorlex_*.ts)
if(VORLEX_LRELEASE AND VORLEX_TS_FILES)
  set(VORLEX_QM_FILES)
  foreach(ts IN LISTS VORLEX_TS_FILES)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${CMAKE_CURRENT_BINARY_DIR}/i18n/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${VORLEX_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
      DEPENDS ${ts}
      COMMENT "Compiling the translation ${name}"
      VERBATIM)
    list(APPEND VORLEX_QM_FILES ${qm})
  endforeach()
  qt_add_resources(vorlex_gui vorlex_translations
    PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n FILES ${VORLEX_QM_FILES})
  target_compile_definitions(vorlex_gui PUBLIC VORLEX_HAVE_TRANSLATIONS=1)
else()
  message(WARNING "lrelease (Debian: qt6-l10n-tools) not found: the window speaks English only")
endif()
