add_library(mixora_skin_draw STATIC
    handles.h
    props.h
)
set_target_properties(mixora_skin_draw PROPERTIES LINKER_LANGUAGE CXX)
target_include_directories(mixora_skin_draw PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(mixora_skin_draw PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(mixora_skin_draw PUBLIC gdi32 user32 msimg32 oleaut32 comctl32)
mixora_warnings(mixora_skin_draw)
