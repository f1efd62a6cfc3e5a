list(APPEND PANELMOOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/divisions.cpp ${CMAKE_CURRENT_LIST_DIR}/label_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fill_rule.cpp ${CMAKE_CURRENT_LIST_DIR}/scale_instrument.cpp)
