# The engine half of the skin: taking windows over, the skin's window procedure and its
# handlers. It draws through mixora_skin_draw.
add_library(mixora_skin STATIC
    skin.h
    skin.cpp
    engine_state.h
    skin_lifetime.h
    skin_lifetime.cpp
    control_kind.h
    control_kind.cpp
    mouse_leave.h
    mouse_leave.cpp
    fade_timer.h
    fade_timer.cpp
    button_style.h
    push_button_images.h
    push_button_images.cpp
    subclass.h
    subclass.cpp
    skin_window_proc.h
    skin_window_proc.cpp
    handlers.h
    window_handlers.cpp
    input_common.h
    input_reactions.h
    input_handlers.cpp
    button_input.cpp
    check_input.cpp
    combo_input.cpp
    header_input.cpp
    paint_handlers.cpp
    code_change_handlers.cpp
)
target_link_libraries(mixora_skin PUBLIC mixora_skin_draw)
mixora_warnings(mixora_skin CONVERSION)

# Engine tests drive real windows under Wine with the messages a user's actions send.
add_executable(skin_engine_foreign_window WIN32 tests/engine_foreign_window.cpp)
mixora_unicode_entry(skin_engine_foreign_window)
mixora_warnings(skin_engine_foreign_window CONVERSION)

add_executable(skin_engine_tests
    tests/engine_windows.h
    tests/engine_windows.cpp
    tests/engine_install_test.cpp
    tests/engine_input_test.cpp
    tests/engine_paint_test.cpp
    tests/engine_set_from_code_test.cpp
    tests/engine_soak_test.cpp
)
target_link_libraries(skin_engine_tests PRIVATE mixora_skin skin_test_support)
add_dependencies(skin_engine_tests skin_engine_foreign_window)
mixora_add_test(skin_engine_tests DESKTOP CONVERSION)

# The skin gallery: one of every control kind, skinned, for screenshots (scripts/screenshot
# --gallery). Built with the tests, never installed.
add_library(skin_gallery_window STATIC
    ${PROJECT_SOURCE_DIR}/tools/gallery/gallery_window.h
    ${PROJECT_SOURCE_DIR}/tools/gallery/gallery_window.cpp
)
target_include_directories(skin_gallery_window PUBLIC ${PROJECT_SOURCE_DIR}/tools/gallery)
target_link_libraries(skin_gallery_window PUBLIC mixora_skin_draw)
mixora_warnings(skin_gallery_window CONVERSION)

add_executable(skin_gallery WIN32 ${PROJECT_SOURCE_DIR}/tools/gallery/gallery_main.cpp)
mixora_unicode_entry(skin_gallery)
target_link_libraries(skin_gallery PRIVATE skin_gallery_window mixora_skin shell32)
mixora_warnings(skin_gallery CONVERSION)
