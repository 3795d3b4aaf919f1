# The Debian package kalmora-kvx: the programs under /opt/kalmora (the layout of a plain
# install), the team's shared data under /var/opt/kalmora and the configuration under
# /etc/opt/kalmora, as the file-system hierarchy has it for packages in /opt; commands on
# PATH with their manual pages, desktop entries and icons where the desktop looks.
set(PACKAGE_PREFIX /opt/kalmora)
set(PACKAGE_DATA /var/opt/kalmora)
set(PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package)

foreach(entry kalmora kvx)
  set(SUITE ${PACKAGE_PREFIX})
  set(ICON ${entry})
  configure_file(install/${entry}.desktop.in ${PACKAGE_STAGE}/${entry}.desktop @ONLY)
  install(FILES ${PACKAGE_STAGE}/${entry}.desktop DESTINATION /usr/share/applications
          COMPONENT system EXCLUDE_FROM_ALL)
  install(FILES install/${entry}.svg DESTINATION /usr/share/icons/hicolor/scalable/apps
          COMPONENT system EXCLUDE_FROM_ALL)
endforeach()

add_custom_command(OUTPUT ${PACKAGE_STAGE}/kvx.png ${PACKAGE_STAGE}/kalmora.png
                   COMMAND program-icons ${PACKAGE_STAGE} 48 DEPENDS program-icons VERBATIM)
add_custom_target(program-icon-files ALL DEPENDS ${PACKAGE_STAGE}/kvx.png)
install(FILES ${PACKAGE_STAGE}/kvx.png ${PACKAGE_STAGE}/kalmora.png DESTINATION /usr/share/icons/hicolor/48x48/apps
        COMPONENT system EXCLUDE_FROM_ALL)

# The shared folders of the suite are links into the variable data, and the commands links
# into the suite; install() keeps a link a link.
file(MAKE_DIRECTORY ${PACKAGE_STAGE}/suite ${PACKAGE_STAGE}/bin)
foreach(folder PROJEKTE BENUTZER)
  file(CREATE_LINK ${PACKAGE_DATA}/${folder} ${PACKAGE_STAGE}/suite/${folder} SYMBOLIC)
  install(FILES ${PACKAGE_STAGE}/suite/${folder} DESTINATION ${PACKAGE_PREFIX} COMPONENT system EXCLUDE_FROM_ALL)
endforeach()
set(commands "kalmora\;KALMORA\;the suite's frame program: projects and the module KVX"
             "kvx-sheet\;KVX/kvx-sheet\;the design sheet of a project's records without a window"
             "kvx-fit\;KVX/kvx-fit\;the fit of the strength law to shear-test results"
             "kvx-ags\;KVX/kvx-ags\;shear-box tests in AGS4 files: list, import, export")
foreach(command ${commands})
  list(GET command 0 name)
  list(GET command 1 program)
  list(GET command 2 summary)
  file(CREATE_LINK ${PACKAGE_PREFIX}/${program} ${PACKAGE_STAGE}/bin/${name} SYMBOLIC)
  install(FILES ${PACKAGE_STAGE}/bin/${name} DESTINATION /usr/bin COMPONENT system EXCLUDE_FROM_ALL)
  get_filename_component(target ${program} NAME)
  add_custom_command(OUTPUT ${PACKAGE_STAGE}/${name}.1.gz
                     COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DNAME=${name}
                             "-DSUMMARY=${summary}" -DOUT=${PACKAGE_STAGE}/${name}.1
                             -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
                     DEPENDS ${target} ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake VERBATIM)
  list(APPEND manual_pages ${PACKAGE_STAGE}/${name}.1.gz)
endforeach()
add_custom_target(manual-pages ALL DEPENDS ${manual_pages})
install(FILES ${manual_pages} DESTINATION /usr/share/man/man1 COMPONENT system EXCLUDE_FROM_ALL)

set(VERSION ${PROJECT_VERSION})
configure_file(install/debian/changelog ${PACKAGE_STAGE}/changelog @ONLY)
execute_process(COMMAND gzip -9nf ${PACKAGE_STAGE}/changelog)
install(FILES install/debian/copyright ${PACKAGE_STAGE}/changelog.gz DESTINATION /usr/share/doc/kalmora-kvx
        COMPONENT system EXCLUDE_FROM_ALL)
install(FILES install/debian/lintian-overrides DESTINATION /usr/share/lintian/overrides RENAME kalmora-kvx
        COMPONENT system EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalmora-kvx)
set(CPACK_PACKAGE_VENDOR "Tarvelo")
set(CPACK_PACKAGE_CONTACT "Tarvelo developers <dev@tarvelo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contact shear strength between soil and construction material")
set(CPACK_PACKAGE_DESCRIPTION
    "Evaluates the shear strength of the contact between a soil and a
construction material: four log-linear strength laws, Mohr curves, Coulomb
secant lines, friction angles, reduction factors and parameter tables, laid
out as one design sheet on screen and on an A4 page. With the frame program
kalmora and the batch tools kvx-sheet, kvx-fit and kvx-ags.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${PACKAGE_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The sheet's tables are laid out for the metrics of Liberation; other fonts overrun cells.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, passwd")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/install/debian/postinst
                                       ${CMAKE_SOURCE_DIR}/install/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# One package of the suite and its system integration; what a plain install keeps inside
# its prefix (desktop entries, shared folders) is left out.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified system)
include(CPack)
