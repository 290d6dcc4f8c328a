# nlohmann/json (header only) as the INTERFACE target mixora_nlohmann.
# Natively it comes from the system's package; in the cross build the compiler reaches it through
# a build-tree folder that holds only a link to it, so the host's /usr/include (with the host's C
# library headers) never comes before the cross compiler's own.
include_guard(GLOBAL)

add_library(mixora_nlohmann INTERFACE)

if(CMAKE_CROSSCOMPILING)
    set(MIXORA_NLOHMANN_HOST_DIR /usr/include/nlohmann CACHE PATH
        "The host's nlohmann/json headers (Debian package nlohmann-json3-dev)")
    if(NOT EXISTS ${MIXORA_NLOHMANN_HOST_DIR}/json.hpp)
        message(FATAL_ERROR "nlohmann/json not found in ${MIXORA_NLOHMANN_HOST_DIR}: run scripts/setup")
    endif()
    set(only_nlohmann ${CMAKE_BINARY_DIR}/only-nlohmann)
    file(MAKE_DIRECTORY ${only_nlohmann})
    file(CREATE_LINK ${MIXORA_NLOHMANN_HOST_DIR} ${only_nlohmann}/nlohmann SYMBOLIC)
    target_include_directories(mixora_nlohmann SYSTEM INTERFACE ${only_nlohmann})
else()
    find_package(nlohmann_json 3 REQUIRED)
    target_link_libraries(mixora_nlohmann INTERFACE nlohmann_json::nlohmann_json)
endif()
