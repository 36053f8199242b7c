# launcher_picture: the portable JPEG decoder over libjpeg-turbo.
add_library(launcher_picture STATIC ${CMAKE_CURRENT_LIST_DIR}/jpeg_decoder.cpp)
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH launcher_picture_include_dir)
target_include_directories(launcher_picture PUBLIC ${launcher_picture_include_dir})
target_link_libraries(launcher_picture PRIVATE jpeg::jpeg)
