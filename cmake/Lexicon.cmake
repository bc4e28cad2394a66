# The base lexicon of prediction, made at build time from the IPA
# dictionary's source entries (mecab-ipadic, Debian main): one compact UTF-8
# file of kana readings and weights, installed beside the program's data.
# Without mecab-ipadic the program predicts from the user's own words alone.
include(GNUInstallDirs)
set(PELUMO_IPADIC_SOURCE /usr/share/mecab/dic/ipadic CACHE PATH "mecab-ipadic's source entries")
file(GLOB PELUMO_IPADIC_CSV ${PELUMO_IPADIC_SOURCE}/*.csv)
set(PELUMO_LEXICON ${CMAKE_BINARY_DIR}/share/pelumo/lexicon.txt)
if(PELUMO_IPADIC_CSV)
  add_executable(pelumo-make-lexicon prediction/tool/make_lexicon.cpp)
  target_link_libraries(pelumo-make-lexicon PRIVATE pelumo_prediction_core)
  add_custom_command(OUTPUT ${PELUMO_LEXICON}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/pelumo
                     COMMAND pelumo-make-lexicon ${PELUMO_LEXICON} ${PELUMO_IPADIC_CSV}
                     DEPENDS pelumo-make-lexicon ${PELUMO_IPADIC_CSV}
                     COMMENT "Making the prediction lexicon from mecab-ipadic")
  add_custom_target(pelumo_lexicon ALL DEPENDS ${PELUMO_LEXICON})
  install(FILES ${PELUMO_LEXICON} DESTINATION ${CMAKE_INSTALL_DATADIR}/pelumo)
else()
  message(WARNING "mecab-ipadic's source entries not found: no base lexicon for prediction")
endif()
# Where the program looks first: the build tree's file, then the installed one.
set(PELUMO_LEXICON_PLACES "${PELUMO_LEXICON}|${CMAKE_INSTALL_FULL_DATADIR}/pelumo/lexicon.txt")
