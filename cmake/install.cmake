# Installation and packages.
include(GNUInstallDirs)
install(TARGETS zelvik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
