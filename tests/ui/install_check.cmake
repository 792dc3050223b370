# Installs the build into a scratch prefix and checks that a Linux desktop would find the
# program there: the binary, its menu entry, its icon and its software-centre metadata.
# Run as: cmake -DBUILD_DIR=<build> -DPREFIX=<scratch folder> -DVERSION=<version> -P install_check.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()

set(desktop ${PREFIX}/share/applications/quarrow.desktop)
set(metainfo ${PREFIX}/share/metainfo/io.github.quarrow.metainfo.xml)
foreach(file bin/quarrow bin/quarrow-lab share/applications/quarrow.desktop
    share/icons/hicolor/scalable/apps/quarrow.svg share/icons/hicolor/48x48/apps/quarrow.png
    share/metainfo/io.github.quarrow.metainfo.xml share/man/man1/quarrow.1.gz
    share/man/man1/quarrow-lab.1.gz share/doc/quarrow/copyright)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# The installed lab runs from its new place, and says which version it is.
execute_process(COMMAND ${PREFIX}/bin/quarrow-lab --help RESULT_VARIABLE helped OUTPUT_QUIET)
if(NOT helped EQUAL 0)
  message(FATAL_ERROR "the installed quarrow-lab --help failed: ${helped}")
endif()
execute_process(COMMAND ${PREFIX}/bin/quarrow-lab --version RESULT_VARIABLE versioned
  OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT versioned EQUAL 0 OR NOT version STREQUAL "quarrow-lab ${VERSION}")
  message(FATAL_ERROR "quarrow-lab --version printed \"${version}\" (status ${versioned}), "
    "not \"quarrow-lab ${VERSION}\"")
endif()

# The menu entry starts the installed program and shows the installed icon.
file(STRINGS ${desktop} entry)
foreach(line "Exec=quarrow" "Icon=quarrow" "Type=Application")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "quarrow.desktop lacks the line ${line}")
  endif()
endforeach()
file(READ ${metainfo} metadata)
if(NOT metadata MATCHES "<launchable type=\"desktop-id\">quarrow.desktop</launchable>")
  message(FATAL_ERROR "the metadata does not launch quarrow.desktop")
endif()

# One licence everywhere a school looks for it: the package's copyright, the metadata, and the
# full text beside the sources.
file(READ ${PREFIX}/share/doc/quarrow/copyright copyright)
if(NOT copyright MATCHES "\nLicense: GPL-3.0-or-later\n" OR
   NOT copyright MATCHES "/usr/share/common-licenses/GPL-3\"" OR
   copyright MATCHES "[Aa]ll rights (are )?reserved")
  message(FATAL_ERROR "the copyright does not give Quarrow under the GPL, version 3 or later")
endif()
if(NOT metadata MATCHES "<project_license>GPL-3.0-or-later</project_license>")
  message(FATAL_ERROR "the metadata names no project_license GPL-3.0-or-later")
endif()
file(READ ${CMAKE_CURRENT_LIST_DIR}/../../COPYING licence)
if(NOT licence MATCHES "GNU GENERAL PUBLIC LICENSE\n +Version 3, 29 June 2007")
  message(FATAL_ERROR "COPYING does not hold the text of the GPL, version 3")
endif()

# The desktop's own validators, where they are installed.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop} RESULT_VARIABLE valid)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects quarrow.desktop")
  endif()
endif()
# The project has no homepage yet. Validators that ask for one (AppStream 1.0 on) are told to
# take that one finding as a note; older ones have no such check and refuse to override it.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --override=url-homepage-missing=info
    ${metainfo} RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT valid EQUAL 0 AND report MATCHES "'url-homepage-missing' is not recognized")
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo}
      RESULT_VARIABLE valid OUTPUT_VARIABLE report ERROR_VARIABLE report)
  endif()
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "appstreamcli rejects the metadata:\n${report}")
  endif()
endif()
