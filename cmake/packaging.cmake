# Installation (`make install PREFIX=...`) and the Debian package (`make
# package`): the two programs, their manual pages, the guide and the examples.
include(GNUInstallDirs)

# Installing and packaging take the build as it is; the make targets build it
# first. So a package test never starts a second build inside the test run.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS qerix qerix-tree qerix-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual pages go out compressed, as Debian installs them.
find_program(QERIX_GZIP gzip)
set(man_pages)
foreach(page qerix.1 qerix-tree.1 qerix-check.1)
  set(source_page ${PROJECT_SOURCE_DIR}/man/${page})
  if(QERIX_GZIP)
    set(built_page ${PROJECT_BINARY_DIR}/man/${page})
    add_custom_command(OUTPUT ${built_page}.gz
                       COMMAND ${CMAKE_COMMAND} -E copy ${source_page} ${built_page}
                       COMMAND ${QERIX_GZIP} -9 -n -f ${built_page}
                       DEPENDS ${source_page}
                       COMMENT "Compressing the manual page ${page}"
                       VERBATIM)
    list(APPEND man_pages ${built_page}.gz)
  else()
    list(APPEND man_pages ${source_page})
  endif()
endforeach()
add_custom_target(qerix_manual_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${PROJECT_SOURCE_DIR}/docs/query-language.md ${PROJECT_SOURCE_DIR}/docs/grading.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

set(QERIX_PACKAGE_MAINTAINER "qerix developers <qerix@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qerix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QERIX_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "relational-algebra interpreter for teaching")
# The summary above is the Description's first line; CPack indents this part.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "qerix reads relations and one query from a text file and prints the
result. The query language is relational algebra itself: union, minus,
product, select, project and rename, nested freely, with conditions
built from comparisons, AND, OR and NOT.

qerix-tree shows how a query was read and, step by step, how it was
evaluated, as an indented tree, a Graphviz drawing or JSON, with
warnings about texts that were most likely meant otherwise. qerix-check
grades answers against a model answer, also on data the student has not
seen. A guide for students and example data sets with their expected
outputs are in /usr/share/doc/qerix.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS graphviz)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The Depends field comes from the libraries the programs link, where the
# tool that finds them is installed.
find_program(QERIX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QERIX_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libgcc-s1, libstdc++6")
endif()
include(CPack)
