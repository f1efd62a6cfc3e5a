list(APPEND PANELMOOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/button_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/boolean_ctrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/boolean_class.cpp)
