# The artwork is a build product: the art generator is a host program (Cairo), built
# natively even when the game is cross-compiled, and run into the runnable folder
# (file artwork) and into the resource folder (card sheets and click sound). The pictures
# with words are drawn in English and, from the compiled catalogues, in every language of
# po/LINGUAS (cmake/catalogues.cmake, included first).
include(ExternalProject)

set(ART_RES_DIR ${CMAKE_BINARY_DIR}/art-res)
set(PAIRWICK_ART_DIR "" CACHE PATH
  "Take finished artwork from this folder (its dist/ and res/ as the generator writes them) instead of running the generator")

set(ART_RESOURCE_FILES
  ${ART_RES_DIR}/castles.bmp ${ART_RES_DIR}/flowers.bmp ${ART_RES_DIR}/cars.bmp
  ${ART_RES_DIR}/blazons.bmp ${ART_RES_DIR}/click.wav ${ART_RES_DIR}/pairwick.ico)
# The icon as PNGs for desktop launchers (installed under share/icons/hicolor).
set(ART_ICON_FILES
  ${ART_RES_DIR}/icons/pairwick-16.png ${ART_RES_DIR}/icons/pairwick-32.png
  ${ART_RES_DIR}/icons/pairwick-48.png ${ART_RES_DIR}/icons/pairwick-256.png)
set(ART_DIST_FILES
  backgrounds/intro.bmp backgrounds/menu.bmp backgrounds/field.bmp
  info_bar/background.bmp info_bar/boxs.bmp info_bar/boxs2.bmp info_bar/chain.bmp
  animations/hammer.bmp animations/stopwatch.bmp animations/hourglass.bmp
  animations/dynamite.bmp cards/hammer.bmp cards/dynamite.bmp other/menu_title.bmp)
# The pictures with words, read from the one list of them, the English at their own paths
# and each language's as other/<tag>/<name>.
set(WORDED_PICTURES_H ${CMAKE_SOURCE_DIR}/resources/worded_pictures.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${WORDED_PICTURES_H})
file(READ ${WORDED_PICTURES_H} worded_text)
string(REGEX MATCHALL "\"[a-z_]+/[a-z_]+\\.bmp\"" worded_files "${worded_text}")
list(TRANSFORM worded_files REPLACE "\"" "")
if(NOT worded_files)
  message(FATAL_ERROR "no pictures found in ${WORDED_PICTURES_H}")
endif()
list(APPEND ART_DIST_FILES ${worded_files})
foreach(tag IN LISTS PAIRWICK_LANGUAGES)
  foreach(file IN LISTS worded_files)
    get_filename_component(name ${file} NAME)
    list(APPEND ART_DIST_FILES other/${tag}/${name})
  endforeach()
endforeach()
list(TRANSFORM ART_DIST_FILES PREPEND ${DIST_DIR}/ OUTPUT_VARIABLE ART_DIST_PATHS)

if(PAIRWICK_ART_DIR)
  add_custom_command(OUTPUT ${ART_RESOURCE_FILES} ${ART_ICON_FILES} ${ART_DIST_PATHS}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PAIRWICK_ART_DIR}/dist ${DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PAIRWICK_ART_DIR}/res ${ART_RES_DIR}
    COMMENT "Copying finished artwork from ${PAIRWICK_ART_DIR}")
else()
  set(ARTGEN_BUILD_DIR ${CMAKE_BINARY_DIR}/artgen)
  set(ARTGEN ${ARTGEN_BUILD_DIR}/artgen${CMAKE_HOST_EXECUTABLE_SUFFIX})
  # No toolchain file is passed on, so the generator is built for the build machine.
  ExternalProject_Add(artgen_host
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/artgen
    BINARY_DIR ${ARTGEN_BUILD_DIR}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    BUILD_BYPRODUCTS ${ARTGEN}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
  add_custom_command(OUTPUT ${ART_RESOURCE_FILES} ${ART_ICON_FILES} ${ART_DIST_PATHS}
    COMMAND ${ARTGEN} ${DIST_DIR} ${ART_RES_DIR} --catalogues ${CATALOGUE_DIR} ${PAIRWICK_LANGUAGES}
    DEPENDS artgen_host ${ARTGEN} ${CATALOGUE_FILES}
    COMMENT "Drawing the artwork")
endif()
add_custom_target(artwork DEPENDS ${ART_RESOURCE_FILES} ${ART_ICON_FILES} ${ART_DIST_PATHS})
