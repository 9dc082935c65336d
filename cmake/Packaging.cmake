# Ready-to-install packages of what `cmake --install` installs: a Debian package on
# Linux, a zip archive for Windows. `make dist` and `make dist-windows` run CPack.
set(CPACK_PACKAGE_NAME lumo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lumo developers")
set(CPACK_PACKAGE_CONTACT "Lumo developers <lumo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Assembles the scene documents of a 3D scene viewer into one exhibition")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumo builds an exhibition from scene documents (.tsd): numbered entry folders holding every file each scene needs, and one generated exhibition.tsd with a paged thumbnail menu. It comes as a window (lumo) and a command-line tool (lumo-cli).")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME lumo-${PROJECT_VERSION}-windows-x64)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # The shared libraries are found by dpkg-shlibdeps; Qt's platform plugins are loaded
    # at run time, so their package is named here.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    if(LUMO_BUILD_APP)
        set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
        set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
    endif()
endif()

include(CPack)
