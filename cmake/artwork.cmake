# The artwork is a build product: the art generator is a host program (Cairo), built
# natively even when the game is cross-compiled, and run into the runnable folder
# (file artwork) and into the resource folder (card sheets and click sound).
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
  animations/dynamite.bmp animations/next.bmp
  cards/hammer.bmp cards/dynamite.bmp other/help_title.bmp
  other/options_title.bmp other/scores_title.bmp other/save_title.bmp other/load_title.bmp
  other/menu_title.bmp)
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
    COMMAND ${ARTGEN} ${DIST_DIR} ${ART_RES_DIR}
    DEPENDS artgen_host ${ARTGEN}
    COMMENT "Drawing the artwork")
endif()
add_custom_target(artwork DEPENDS ${ART_RESOURCE_FILES} ${ART_ICON_FILES} ${ART_DIST_PATHS})
