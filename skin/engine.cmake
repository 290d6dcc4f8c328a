add_library(mixora_skin STATIC
    skin.cpp
)
target_link_libraries(mixora_skin PUBLIC mixora_skin_draw)
mixora_warnings(mixora_skin)
