# Where `cmake --install` puts Kp: the program, its manual page, and on
# freedesktop systems the menu entry, icon and file types that let a file
# manager open a recording with it. Everything here is in the component
# "kp"; the tools, tests and benchmarks are built but never installed.
include(GNUInstallDirs)

install(TARGETS kp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT kp)

if(UNIX AND NOT APPLE)
  set(KP_LINUX_DATA ${PROJECT_SOURCE_DIR}/packaging/linux)

  # man finds a page gzipped as well as plain; Debian wants it gzipped, and
  # without a time stamp so that the package is reproducible.
  find_program(GZIP_PROGRAM gzip)
  if(GZIP_PROGRAM)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/kp.1.gz
      COMMAND ${GZIP_PROGRAM} -9 -n -c ${CMAKE_BINARY_DIR}/kp.1 > ${CMAKE_BINARY_DIR}/kp.1.gz
      DEPENDS ${CMAKE_BINARY_DIR}/kp.1
      COMMENT "Compressing the manual page")
    add_custom_target(manpage-gz ALL DEPENDS ${CMAKE_BINARY_DIR}/kp.1.gz)
    set(KP_MAN_PAGE ${CMAKE_BINARY_DIR}/kp.1.gz)
  else()
    set(KP_MAN_PAGE ${CMAKE_BINARY_DIR}/kp.1)
  endif()
  install(FILES ${KP_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT kp)

  install(FILES ${KP_LINUX_DATA}/kp.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT kp)
  install(FILES ${KP_LINUX_DATA}/kp.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT kp)
  install(FILES ${KP_LINUX_DATA}/kp-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME kp.xml COMPONENT kp)
endif()

# Help > About links share/doc/kp/README.md beside the installed program.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kp COMPONENT kp)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kp/docs COMPONENT kp
  FILES_MATCHING PATTERN "*.png")
