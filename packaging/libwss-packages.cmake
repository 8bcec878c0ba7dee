# The Debian packages beside the program's, one CPack component each:
#   libwss1            the shared library libwss.so.1 (section libs)
#   libwss-dev         its header, wss.pc and the libwss.so link (section libdevel)
#   gstreamer1.0-wss   the GStreamer plugin, in GStreamer's plugin folder (section sound)
# The program's package (the components without a name of their own) stays talven-sound, and
# recommends the plugin, so that WSS files play once it is installed.
# Each package carries its own copyright and changelog, as Debian asks of every package.

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Unspecified libwss1 libwss_dev gstreamer_wss)
set(CPACK_DEBIAN_UNSPECIFIED_PACKAGE_NAME talven-sound)
set(CPACK_DEBIAN_UNSPECIFIED_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/cpack-project-config.cmake)
set(CPACK_DEBIAN_LIBWSS1_PACKAGE_NAME libwss1)
set(CPACK_DEBIAN_LIBWSS_DEV_PACKAGE_NAME libwss-dev)
set(CPACK_DEBIAN_GSTREAMER_WSS_PACKAGE_NAME gstreamer1.0-wss)

set(CPACK_DEBIAN_LIBWSS1_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBWSS_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_GSTREAMER_WSS_PACKAGE_SECTION sound)

set(CPACK_DEBIAN_LIBWSS1_DESCRIPTION "library for reading and writing WSS sound files
libwss reads and writes WSS files, 16-bit sound of 1 to 8 channels coded
as IMA ADPCM in blocks whose checksums chain from the start of the file. It
reads from a path or from callbacks, seeks to the frame, and hands on only
blocks whose checksums and rules it has verified.
.
This package holds the shared library.")
set(CPACK_DEBIAN_LIBWSS_DEV_DESCRIPTION "library for reading and writing WSS sound files (development files)
libwss reads and writes WSS files, 16-bit sound of 1 to 8 channels coded
as IMA ADPCM in blocks whose checksums chain from the start of the file.
.
This package holds the C header wss/wss.h and the pkg-config file wss.pc
that programs using libwss build with.")
set(CPACK_DEBIAN_GSTREAMER_WSS_DESCRIPTION "GStreamer plugin for playing WSS sound files
With this plugin every GStreamer program plays and describes WSS files:
players built on playbin, gst-play-1.0, and the file managers' sound
properties through gst-discoverer-1.0. It holds a type finder for
audio/x-wss and the decoder wssdec, which seeks to the frame and reports a
damaged file's first bad block.")

# The library's control files, as a distribution's library packages have them: shlibs and symbols
# (packages linking it depend on libwss1 >= the version that brought the functions they use), and
# the ldconfig trigger, and no maintainer scripts. CPack writes scripts that call ldconfig for any
# library under /usr/lib unless the control files name a postinst and a postrm of their own; the
# two named here do not exist, so none is shipped (CPack copies only the files that exist).
set(CPACK_DEBIAN_LIBWSS1_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/libwss1/shlibs
    ${CMAKE_CURRENT_SOURCE_DIR}/libwss1/symbols ${CMAKE_CURRENT_SOURCE_DIR}/libwss1/triggers
    ${CMAKE_CURRENT_BINARY_DIR}/no-scripts/postinst ${CMAKE_CURRENT_BINARY_DIR}/no-scripts/postrm)
set(CPACK_DEBIAN_LIBWSS1_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_LIBWSS_DEV_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_LIBWSS_DEV_PACKAGE_DEPENDS "libwss1 (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_LIBWSS1_PACKAGE_MULTIARCH same)
set(CPACK_DEBIAN_LIBWSS_DEV_PACKAGE_MULTIARCH same)
# The plugin needs libwss1, which dpkg-shlibdeps finds among the packages being built.
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_COMPONENT_GSTREAMER_WSS_DEPENDS libwss1)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/lib)

foreach(package libwss1 libwss-dev gstreamer1.0-wss)
    string(REPLACE "-dev" "_dev" component ${package})
    string(REPLACE "gstreamer1.0-wss" "gstreamer_wss" component ${component})
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

# The one lintian tag the library's package carries, and why (see the file).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/libwss1/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME libwss1 COMPONENT libwss1)

# Stripped, the shared objects also lose their .comment and .note sections, as the program does.
set(stripped "libwss1|${WSS_LIBDIR}/$<TARGET_FILE_NAME:wss>")
if(TARGET gstwss)
    list(APPEND stripped "gstreamer_wss|${WSS_GST_PLUGINS_FROM_USR}/$<TARGET_FILE_NAME:gstwss>")
endif()
foreach(pair IN LISTS stripped)
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 component)
    list(GET pair 1 object)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${object}\" COMMAND_ERROR_IS_FATAL ANY)
        endif()" COMPONENT ${component})
endforeach()
