# The Debian package: `cmake --build build --target package` writes
# marloquent_<version>_<arch>.deb into the build tree.
include(${CMAKE_CURRENT_LIST_DIR}/RuntimePackages.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marloquent)
set(CPACK_PACKAGE_VENDOR "The MarloQuent developers")
set(CPACK_PACKAGE_CONTACT "The MarloQuent developers <developers@marloquent.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for the design forms of a car-wheel rim")
set(CPACK_PACKAGE_DESCRIPTION
  "MarloQuent shows one parametric car wheel as a lit, shaded OpenGL model.
Its German control panel changes the rim width, diameter, offset and bolt
count, switches the hump and well profiles, highlights components, shows
dimension indicators, cuts the wheel in half and turns and zooms the view.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps adds the libraries the program links; these come on top.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS ${MARLOQUENT_RUNTIME_PACKAGES} ${MARLOQUENT_FONT_PACKAGES})
string(JOIN ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS ${MARLOQUENT_RECOMMENDED_PACKAGES})

include(CPack)
