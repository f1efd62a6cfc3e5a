list(APPEND PANELMOOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/dial_geometry.cpp ${CMAKE_CURRENT_LIST_DIR}/knob_ctrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/knob_members.cpp ${CMAKE_CURRENT_LIST_DIR}/knob_class.cpp)
