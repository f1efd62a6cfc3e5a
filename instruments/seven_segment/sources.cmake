list(APPEND PANELMOOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/value_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cell_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/e7segment_ctrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/e7segment_class.cpp)
