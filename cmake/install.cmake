# Installation and packages.
#
# Zelvik works on the bots.ini of a folder it chooses at start-up: one named on the command line,
# its own folder when a bots.ini lies there, the folder of last time or the installed game's
# add-on folder. So it runs from wherever it is installed:
#
#  - Windows: the player drops zelvik.exe (with the Qt DLLs beside it, unless Qt is linked in
#    statically) into the bot add-on's folder, or anywhere else. Everything is installed at the
#    top of the install tree, with the licence and the guide (as guide.html), and packed as a ZIP.
#  - Linux and other Unix systems: bin/zelvik is the program. A desktop entry, AppStream metadata
#    and icons make it show up in application menus and software centres. Packed as a .deb and a
#    .tar.gz. The program never works on a bots.ini in the folder it is installed to, whatever
#    the prefix: it knows that folder by the desktop entry installed relative to it.

include(GNUInstallDirs)

# ZELVIK_APP_ID, the name the desktop entry, the AppStream component and the icons share, is set
# in the top-level CMakeLists.txt: the program looks for its installed desktop entry by it.
# SPDX identifier of the licence; LICENSE holds its text.
set(ZELVIK_LICENSE "GPL-3.0-or-later")
set(ZELVIK_PACKAGE_MAINTAINER "Zelvik maintainers <maintainers@zelvik.invalid>" CACHE STRING
    "Maintainer named in the packages")

set(ZELVIK_SUMMARY "Edit the bot roster of a Half-Life bot add-on and start the game")
# Debian shows each line of the description as it is, so keep them short.
string(JOIN "\n" ZELVIK_DESCRIPTION
    "Zelvik edits bots.ini, the roster file of a bot add-on for the game Half-Life:"
    "the bots (name, player model, top and bottom colour) and the map rotation"
    "(bot quantity, random choice, delays, waiting for players, keeping the"
    "server full), one entry at a time in one small window. It rewrites the file"
    "with Save INI and starts the game client or the dedicated server with"
    "stored parameters.")

if(WIN32)
    # ---- Windows: one flat folder, ready to be copied into the add-on folder --------------------
    install(TARGETS zelvik RUNTIME DESTINATION .)
    # The guide as a web page, which a double-click opens, made on the build machine.
    find_program(ZELVIK_MARKDOWN markdown_py NO_CMAKE_FIND_ROOT_PATH
                 DOC "Python's Markdown (Debian: python3-markdown), for guide.html")
    if(NOT ZELVIK_MARKDOWN)
        message(FATAL_ERROR "markdown_py was not found: install python3-markdown, which makes "
                            "the guide.html of the ZIP.")
    endif()
    set(ZELVIK_GUIDE_HTML "${CMAKE_CURRENT_BINARY_DIR}/guide.html")
    add_custom_command(OUTPUT "${ZELVIK_GUIDE_HTML}"
        COMMAND "${CMAKE_COMMAND}" -DMARKDOWN=${ZELVIK_MARKDOWN}
                -DGUIDE=${PROJECT_SOURCE_DIR}/docs/guide.md -DOUTPUT=${ZELVIK_GUIDE_HTML}
                -P "${PROJECT_SOURCE_DIR}/cmake/guide-html.cmake"
        DEPENDS docs/guide.md cmake/guide-html.cmake
        COMMENT "Writing the player's guide as guide.html"
        VERBATIM)
    add_custom_target(zelvik_guide_html ALL DEPENDS "${ZELVIK_GUIDE_HTML}")
    install(FILES LICENSE "${ZELVIK_GUIDE_HTML}" DESTINATION .)
    # The guide's pictures, where its links look for them.
    install(DIRECTORY docs/images DESTINATION . FILES_MATCHING PATTERN "*.png")

    # A static Qt and the "-static" run-time are inside zelvik.exe: nothing to put beside it.
    get_target_property(ZELVIK_QT_CORE_TYPE Qt6::Core TYPE)
    if(ZELVIK_QT_CORE_TYPE STREQUAL "STATIC_LIBRARY")
        set(ZELVIK_QT_SHARED OFF)
    else()
        set(ZELVIK_QT_SHARED ON)
    endif()

    # The Qt DLLs and plugins the program needs, deployed beside the installed zelvik.exe.
    option(ZELVIK_DEPLOY_QT "Run windeployqt on the installed program" ${ZELVIK_QT_SHARED})
    if(ZELVIK_DEPLOY_QT)
        if(TARGET Qt6::windeployqt)
            set(ZELVIK_WINDEPLOYQT "$<TARGET_FILE:Qt6::windeployqt>")
        else()
            find_program(ZELVIK_WINDEPLOYQT_PROGRAM windeployqt
                         HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" REQUIRED)
            set(ZELVIK_WINDEPLOYQT "${ZELVIK_WINDEPLOYQT_PROGRAM}")
        endif()
        install(CODE "
            message(STATUS \"Deploying Qt beside \${CMAKE_INSTALL_PREFIX}/zelvik.exe\")
            execute_process(
                COMMAND \"${ZELVIK_WINDEPLOYQT}\" --no-translations --no-system-d3d-compiler
                        --no-opengl-sw --no-compiler-runtime
                        \"\${CMAKE_INSTALL_PREFIX}/zelvik.exe\"
                COMMAND_ERROR_IS_FATAL ANY)
        ")
    endif()

    # The compiler's run-time DLLs, so the player needs no separate redistributable.
    if(NOT ZELVIK_QT_SHARED)
        # Linked in with Qt.
    elseif(MINGW)
        get_filename_component(ZELVIK_MINGW_BIN "${CMAKE_CXX_COMPILER}" DIRECTORY)
        foreach(dll libgcc_s_seh-1.dll libgcc_s_dw2-1.dll libstdc++-6.dll libwinpthread-1.dll)
            if(EXISTS "${ZELVIK_MINGW_BIN}/${dll}")
                install(FILES "${ZELVIK_MINGW_BIN}/${dll}" DESTINATION .)
            endif()
        endforeach()
    else()
        set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
        include(InstallRequiredSystemLibraries)
    endif()

    set(CPACK_GENERATOR ZIP)
    # zelvik-<version>-windows-x64.zip, as scripts/windows-build.sh names it too.
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(CPACK_SYSTEM_NAME windows-x64)
    else()
        set(CPACK_SYSTEM_NAME windows-x86)
    endif()
else()
    # ---- Linux and other Unix systems ----------------------------------------------------------
    install(TARGETS zelvik RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

    # The type of bots.ini, the program's own (a shared-mime-info package): the desktop entry
    # opens it, and "Open with" offers the program for it and not for every text file.
    set(ZELVIK_MIME_TYPE "text/x-vantrel-bots-ini")
    configure_file(packaging/linux/zelvik.mime.xml.in
                   "${CMAKE_CURRENT_BINARY_DIR}/packaging/${ZELVIK_APP_ID}.xml" @ONLY)
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/packaging/${ZELVIK_APP_ID}.xml"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")

    configure_file(packaging/linux/zelvik.desktop.in
                   "${CMAKE_CURRENT_BINARY_DIR}/packaging/${ZELVIK_APP_ID}.desktop" @ONLY)
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/packaging/${ZELVIK_APP_ID}.desktop"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

    configure_file(packaging/linux/zelvik.metainfo.xml.in
                   "${CMAKE_CURRENT_BINARY_DIR}/packaging/${ZELVIK_APP_ID}.metainfo.xml" @ONLY)
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/packaging/${ZELVIK_APP_ID}.metainfo.xml"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

    foreach(size 16 32 48)
        install(FILES src/window/icons/zelvik-${size}.png
                DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
                RENAME "${ZELVIK_APP_ID}.png")
    endforeach()
    install(FILES src/window/icons/zelvik.svg
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps"
            RENAME "${ZELVIK_APP_ID}.svg")

    install(FILES docs/guide.md DESTINATION "${CMAKE_INSTALL_DOCDIR}")
    # Debian looks for the licence of a package in its doc folder's copyright file.
    configure_file(packaging/linux/copyright.in "${CMAKE_CURRENT_BINARY_DIR}/packaging/copyright"
                   @ONLY)
    install(FILES "${CMAKE_CURRENT_BINARY_DIR}/packaging/copyright"
            DESTINATION "${CMAKE_INSTALL_DOCDIR}")
    install(DIRECTORY docs/images DESTINATION "${CMAKE_INSTALL_DOCDIR}" FILES_MATCHING
            PATTERN "*.png")

    if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
        set(CPACK_GENERATOR DEB TGZ)
    else()
        set(CPACK_GENERATOR TGZ)
    endif()
endif()

# ---- Packages --------------------------------------------------------------------------------
set(CPACK_VERBATIM_VARIABLES TRUE)
set(CPACK_PACKAGE_NAME zelvik)
set(CPACK_PACKAGE_VENDOR "Zelvik")
set(CPACK_PACKAGE_CONTACT "${ZELVIK_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${ZELVIK_SUMMARY}")
set(CPACK_PACKAGE_DESCRIPTION "${ZELVIK_DESCRIPTION}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zelvik)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES TRUE)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/" "/out/")

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZELVIK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The dialog font the window is laid out for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
# dpkg-shlibdeps derives the exact library packages (libqt6widgets6, libqt6gui6, libqt6core6,
# libstdc++6, libc6) from the program itself; without it, name the Qt libraries by hand.
find_program(ZELVIK_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZELVIK_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libstdc++6, libc6")
endif()

include(CPack)
