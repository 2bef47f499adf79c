# The Debian package: cpack -G DEB in the build folder (scripts/package.sh).
# Its dependencies on shared libraries are read from the program by
# dpkg-shlibdeps (dpkg-dev, which needs file); Qt's platform plugins are
# loaded at run time, so they are named here.
set(CPACK_PACKAGE_NAME "tessaro")
set(CPACK_PACKAGE_VENDOR "Orvel")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Configuration file generator for the Tessaro audio player")
# Debian wants the description in lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A form for the plain-text configuration file, config.txt, of the Tessaro"
    "audio player unit: it writes the file from the settings ticked in the form,"
    "and reads a file back with a line-by-line report. It writes the same file"
    "for several units on one serial bus, one folder per unit ID."
    ""
    "The command tessaro-config checks, writes and batch-writes these files"
    "from scripts, with the same rules as the window.")
set(CPACK_PACKAGE_CONTACT "Orvel <support@orvel.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.orvel.example")
if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR "DEB")
else()
    set(CPACK_GENERATOR "ZIP")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# udisks2 mounts and ejects the memory cards that Write to Cards writes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, udisks2")
set(CPACK_STRIP_FILES ON)
include(CPack)
