# The base lexicon of prediction, made at build time: one compact UTF-8 file
# of kana readings and weights, installed beside the program's data. Its
# weights come from libkkc-data's word model (Debian main, counted from
# running text) when it and libmarisa are there, else from the IPA
# dictionary's costs (mecab-ipadic), which serve its tagger more than they
# tell how common a word is. Either way the IPA dictionary's entries are
# read: they name the proper nouns left out. Without mecab-ipadic the
# program predicts from the user's own words alone.
include(GNUInstallDirs)
set(PELUMO_IPADIC_SOURCE /usr/share/mecab/dic/ipadic CACHE PATH "mecab-ipadic's source entries")
set(PELUMO_KKC_MODEL /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/libkkc/models/sorted3 CACHE PATH "libkkc-data's word model")
file(GLOB PELUMO_IPADIC_CSV ${PELUMO_IPADIC_SOURCE}/*.csv)
find_library(PELUMO_MARISA marisa)
find_path(PELUMO_MARISA_INCLUDE marisa.h)
set(PELUMO_LEXICON ${CMAKE_BINARY_DIR}/share/pelumo/lexicon.txt)
if(PELUMO_IPADIC_CSV)
  add_executable(pelumo-make-lexicon prediction/tool/make_lexicon.cpp)
  target_link_libraries(pelumo-make-lexicon PRIVATE pelumo_prediction_core)
  set(model_args "")
  set(model_files "")
  set(next_words "")
  if(PELUMO_MARISA AND PELUMO_MARISA_INCLUDE AND EXISTS ${PELUMO_KKC_MODEL}/data.2gram)
    target_sources(pelumo-make-lexicon PRIVATE prediction/tool/KkcModel.cpp)
    target_compile_definitions(pelumo-make-lexicon PRIVATE PELUMO_WITH_KKC)
    target_include_directories(pelumo-make-lexicon PRIVATE ${PELUMO_MARISA_INCLUDE})
    target_link_libraries(pelumo-make-lexicon PRIVATE ${PELUMO_MARISA})
    set(model_args --kkc ${PELUMO_KKC_MODEL})
    set(model_files ${PELUMO_KKC_MODEL}/data.1gram.index ${PELUMO_KKC_MODEL}/data.1gram ${PELUMO_KKC_MODEL}/data.2gram)
    # The phrases likely after each common word, made from the same model.
    set(next_words ${CMAKE_BINARY_DIR}/share/pelumo/next-words.txt)
  else()
    message(WARNING "libkkc-data or libmarisa not found: the prediction lexicon is weighted by mecab-ipadic's costs")
  endif()
  # Greetings, requests and polite endings, which prose rarely holds.
  set(core_vocabulary ${CMAKE_SOURCE_DIR}/prediction/data/core_vocabulary.txt)
  add_custom_command(OUTPUT ${PELUMO_LEXICON} ${next_words}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/pelumo
                     COMMAND pelumo-make-lexicon ${PELUMO_LEXICON} --core ${core_vocabulary} ${model_args}
                             ${PELUMO_IPADIC_CSV}
                     DEPENDS pelumo-make-lexicon ${PELUMO_IPADIC_CSV} ${model_files} ${core_vocabulary}
                     COMMENT "Making the prediction lexicon")
  add_custom_target(pelumo_lexicon ALL DEPENDS ${PELUMO_LEXICON})
  install(FILES ${PELUMO_LEXICON} ${next_words} DESTINATION ${CMAKE_INSTALL_DATADIR}/pelumo)
else()
  message(WARNING "mecab-ipadic's source entries not found: no base lexicon for prediction")
endif()
# Where the program looks first: the build tree's file, then the installed one.
set(PELUMO_LEXICON_PLACES "${PELUMO_LEXICON}|${CMAKE_INSTALL_FULL_DATADIR}/pelumo/lexicon.txt")
