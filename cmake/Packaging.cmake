# Install layout. Included at the end of the top-level CMakeLists.txt, once the Vareldo target
# exists. The Debian package (debian/, built by scripts/package) installs through these rules.
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

# Desktop integration: menu entry, software-centre listing, manual page and the icons that
# tools/icona draws.
install(FILES "${vareldo_assets_dir}/vareldo.desktop" DESTINATION "share/applications")
install(FILES "${vareldo_assets_dir}/org.vareldo.vareldo.metainfo.xml" DESTINATION "share/metainfo")
install(FILES "${vareldo_assets_dir}/vareldo.1" DESTINATION "share/man/man1")
install(DIRECTORY "${vareldo_assets_dir}/icons/hicolor" DESTINATION "share/icons")
