# The Debian package, made by CPack from what cmake/install.cmake installs:
#   cpack -G DEB   (in the build tree; `make package` does this)
# gives tarveo_<version>_<arch>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarveo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarveo developers")
set(TARVEO_MAINTAINER "The Tarveo developers <developers@tarveo.org>"
    CACHE STRING "Maintainer of the Debian package, as Name <address>")
set(CPACK_PACKAGE_CONTACT ${TARVEO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "editor for the vehicle classification of weigh-in-motion sites")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarveo edits the vehicle-classification file (.conf) of a weigh-in-motion
installation: subclasses with their axle counts, axle distances, weights,
tyre types and combined constraints. Every field is marked valid or invalid
as it is typed, and the vehicle is drawn at minimum and maximum axle
spacing.

The approval report is a PDF, exported or printed from the window or
written by tarveo-sheet: every subclass with its values, why it is not
valid, and its drawings with their axle distances, ending with the file's
SHA-256 and a line for the approver's signature.

For review, tarveo-check says why a file is invalid in the editor's words
(as text or JSON), compares two files in content (also as a git difftool),
prints what Save would write (a git textconv driver) and finds subclasses
whose distance windows overlap; tarveo-sheet also draws every subclass
into one picture.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tarveo.org/)
# The dependencies are those of the built programs, as dpkg-shlibdeps finds
# them, with the versions the libraries' symbols need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# Debian's own files: the copyright, and the changelog of a native package
# (its version has no Debian revision), gzip-compressed like the manual
# pages. The changelog's entry is for this version and its release date.
set(debian_doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
execute_process(COMMAND date -u -R -d ${TARVEO_RELEASE_DATE}
    OUTPUT_VARIABLE TARVEO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE date_status)
if(NOT date_status EQUAL 0)
    message(FATAL_ERROR "date could not read the release date ${TARVEO_RELEASE_DATE}")
endif()
set(changelog ${PROJECT_BINARY_DIR}/generated/debian/changelog)
configure_file(${PROJECT_SOURCE_DIR}/doc/debian/changelog.in ${changelog} @ONLY)
tarveo_gzip(tarveo-debian-changelog ${changelog})
install(FILES ${PROJECT_SOURCE_DIR}/doc/debian/copyright ${changelog}.gz
    DESTINATION ${debian_doc})

include(CPack)
