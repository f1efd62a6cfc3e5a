list(APPEND PANELMOOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/tube_geometry.cpp ${CMAKE_CURRENT_LIST_DIR}/slide_ctrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/slide_members.cpp ${CMAKE_CURRENT_LIST_DIR}/slide_class.cpp)
