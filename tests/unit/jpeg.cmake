# JPEG decoder tests; the fixtures are compressed at run time with the host's libjpeg.
find_package(GTest REQUIRED)
include(GoogleTest)

# asan_allocation_limit.cpp makes an oversized allocation fail the test under ASan.
add_executable(jpeg_decoder_test
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_decoder_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/asan_allocation_limit.cpp)
target_link_libraries(jpeg_decoder_test PRIVATE launcher_picture jpeg::jpeg GTest::gtest_main)
gtest_discover_tests(jpeg_decoder_test)
