# Runs at install time, when the prefix is known (cmake --install --prefix):
# the link bin/ZIRVO3801 to the program and the desktop entry, which names
# the program and the icon by their full installed paths.
set(ziel "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

file(MAKE_DIRECTORY "${ziel}/bin")
file(REMOVE "${ziel}/bin/ZIRVO3801")
file(CREATE_LINK "../${ZIRVO_PROGRAMMORDNER}/ZIRVO3801" "${ziel}/bin/ZIRVO3801" RESULT ergebnis SYMBOLIC)
if(ergebnis)
  # FAT file systems (a USB stick) hold no links; the program folder is enough there.
  message(STATUS "No link bin/ZIRVO3801 (${ergebnis})")
else()
  message(STATUS "Installing: ${ziel}/bin/ZIRVO3801 -> ../${ZIRVO_PROGRAMMORDNER}/ZIRVO3801")
endif()

set(ZIRVO_PROGRAMM "${CMAKE_INSTALL_PREFIX}/bin/ZIRVO3801")
set(ZIRVO_ICON "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/scalable/apps/zirvo3801.svg")
configure_file("${ZIRVO_DESKTOP_VORLAGE}" "${ziel}/share/applications/zirvo3801.desktop" @ONLY)
message(STATUS "Installing: ${ziel}/share/applications/zirvo3801.desktop")
