# The Debian package kalmora-kvx: the suite under /opt/kalmora (the layout of a plain
# install), its desktop entries and icons where the desktop looks for them.
set(PACKAGE_PREFIX /opt/kalmora)

foreach(entry kalmora kvx)
  set(SUITE ${PACKAGE_PREFIX})
  set(ICON ${entry})
  configure_file(install/${entry}.desktop.in package/${entry}.desktop @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/package/${entry}.desktop DESTINATION /usr/share/applications
          COMPONENT system-desktop EXCLUDE_FROM_ALL)
  install(FILES install/${entry}.svg DESTINATION /usr/share/icons/hicolor/scalable/apps
          COMPONENT system-desktop EXCLUDE_FROM_ALL)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalmora-kvx)
set(CPACK_PACKAGE_VENDOR "Tarvelo")
set(CPACK_PACKAGE_CONTACT "Tarvelo developers <dev@tarvelo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Contact shear strength between soil and construction material")
set(CPACK_PACKAGE_DESCRIPTION
    "The KVX module of the Kalmora suite evaluates the shear strength of the contact between a
soil and a construction material: four log-linear strength laws, Mohr curves, Coulomb secant
lines, friction angles, reduction factors and parameter tables, laid out as one design sheet
on screen and on an A4 page. Includes the frame program KALMORA and the batch tools kvx-sheet and kvx-fit.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${PACKAGE_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-dejavu-core")
# One package of the suite and the desktop integration; the entries a plain install keeps
# inside its prefix are left out.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified system-desktop)
include(CPack)
