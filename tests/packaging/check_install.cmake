# Installs the build into a fresh folder and checks that the program, its
# menu entry, its icons and its AppStream description land where desktops
# look for them, the modules where the program looks for them, and the
# game server with its systemd unit.
#   cmake -DBUILD_DIR=... -DSTAGE=... -P check_install.cmake
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
  bin/tycora
  bin/tycora-server
  lib/tycora/libtycora_svg.so
  lib/tycora/libtycora_websocket.so
  lib/systemd/system/tycora-server.service
  share/applications/io.tycora.Tycora.desktop
  share/metainfo/io.tycora.Tycora.metainfo.xml)
foreach(size 16 22 24 32 48 64 128 256 512)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/io.tycora.Tycora.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${STAGE}/${path}")
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()
file(GLOB_RECURSE installed RELATIVE "${STAGE}" "${STAGE}/*")
list(LENGTH installed count)
list(LENGTH expected wanted)
if(NOT count EQUAL wanted)
  message(FATAL_ERROR "installed ${count} files, expected ${wanted}: ${installed}")
endif()
file(READ "${STAGE}/share/applications/io.tycora.Tycora.desktop" entry)
if(NOT entry MATCHES "Exec=tycora" OR NOT entry MATCHES "Icon=io.tycora.Tycora")
  message(FATAL_ERROR "the menu entry does not start the program with its icon")
endif()
execute_process(COMMAND "${STAGE}/bin/tycora" --version OUTPUT_VARIABLE version RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT version MATCHES "^tycora ")
  message(FATAL_ERROR "the installed program does not run: ${result} ${version}")
endif()
file(READ "${STAGE}/lib/systemd/system/tycora-server.service" unit)
if(NOT unit MATCHES "ExecStart=/usr/bin/tycora-server" OR NOT unit MATCHES "DynamicUser=yes")
  message(FATAL_ERROR "the server's unit does not start it under a user of its own")
endif()
