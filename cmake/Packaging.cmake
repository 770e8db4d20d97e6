# Install layout and the Debian package. Included at the end of the top-level CMakeLists.txt,
# once the Vareldo target exists.
#
# The program reads config.ini and FAQ_DIDATTICHE from its own folder, so the three live together
# in lib/vareldo; bin/vareldo is a link to it, which the program sees through to its real folder.

set(vareldo_program_dir "lib/vareldo")
set(vareldo_assets_dir "${PROJECT_SOURCE_DIR}/assets")

install(TARGETS Vareldo RUNTIME DESTINATION "${vareldo_program_dir}")
install(FILES "${vareldo_assets_dir}/config.ini" DESTINATION "${vareldo_program_dir}")
install(DIRECTORY "${vareldo_assets_dir}/FAQ_DIDATTICHE" DESTINATION "${vareldo_program_dir}")

install(CODE "
  set(bin_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(MAKE_DIRECTORY \"\${bin_dir}\")
  message(STATUS \"Linking: \${bin_dir}/vareldo\")
  file(CREATE_LINK \"../${vareldo_program_dir}/Vareldo\" \"\${bin_dir}/vareldo\" SYMBOLIC)
")

install(FILES "${vareldo_assets_dir}/vareldo.desktop" DESTINATION "share/applications")
install(FILES "${vareldo_assets_dir}/vareldo.png" DESTINATION "share/icons/hicolor/256x256/apps")

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "vareldo")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Vareldo developers")
set(CPACK_PACKAGE_CONTACT "Vareldo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching simulator of the Italian income tax (IRPEF 2024)")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vareldo developers")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_STRIP_FILES ON)
# The Qt and C++ libraries come from the linked executable; the platform plugin and the fonts
# are loaded at run time, so they are named by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-open-sans, fonts-liberation2")

include(CPack)
