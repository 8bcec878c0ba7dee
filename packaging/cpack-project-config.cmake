# Read by cpack for each package it makes. Each Debian package's description starts with its own
# synopsis (CPACK_DEBIAN_<COMPONENT>_DESCRIPTION); CPack would put the project's summary above each
# one, which suits only the program's package. Equal to CPack's default summary, it is left out.
set(CPACK_DEFAULT_PACKAGE_DESCRIPTION_SUMMARY "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}")
