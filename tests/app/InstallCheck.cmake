# Installs the build into a fresh prefix and checks that everything a desktop needs
# landed in its place. Run with -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

include(GNUInstallDirs)
set(expected
    ${CMAKE_INSTALL_BINDIR}/lumo
    ${CMAKE_INSTALL_BINDIR}/lumo-cli
    ${CMAKE_INSTALL_DATADIR}/lumo/up.jpg
    ${CMAKE_INSTALL_DATADIR}/lumo/down.jpg
    ${CMAKE_INSTALL_DATADIR}/applications/lumo.desktop)
foreach(size 16 24 32 48 256)
    list(APPEND expected ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps/lumo.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

execute_process(COMMAND ${PREFIX}/${CMAKE_INSTALL_BINDIR}/lumo-cli --help
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the installed lumo-cli does not run: ${result}")
endif()
