# urlpush::json: the distribution's header-only JSON library for both builds. The Windows
# build must not see the rest of /usr/include, so it gets a folder that holds only a link
# to the library's headers.
if(TARGET urlpush_json)
    return()
endif()
add_library(urlpush_json INTERFACE)
add_library(urlpush::json ALIAS urlpush_json)
if(CMAKE_CROSSCOMPILING)
    set(json_root ${CMAKE_BINARY_DIR}/json-include)
    file(MAKE_DIRECTORY ${json_root})
    file(CREATE_LINK /usr/include/nlohmann ${json_root}/nlohmann SYMBOLIC)
    target_include_directories(urlpush_json SYSTEM INTERFACE ${json_root})
else()
    find_package(nlohmann_json REQUIRED)
    target_link_libraries(urlpush_json INTERFACE nlohmann_json::nlohmann_json)
endif()
