# Runic script data: transliteration, runic name tables, fixed runic captions.
# Qt-free and without dependencies; kolvar_catalog passes it on to its users.
add_library(kolvar_runic STATIC
  ${CMAKE_CURRENT_LIST_DIR}/runic_transliteration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/runic_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/runic_captions.cpp)
target_include_directories(kolvar_runic PUBLIC ${PROJECT_SOURCE_DIR}/src)
if(TARGET kolvar_catalog)
  target_link_libraries(kolvar_catalog PUBLIC kolvar_runic)
endif()
