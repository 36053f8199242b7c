# jpeg::jpeg: libjpeg-turbo with the classic jpeglib.h API.
#   Linux host: Debian's libjpeg62-turbo-dev.
#   Windows targets: Debian's libjpeg-turbo source package, built static with SIMD by this
#   preset's own toolchain. The build runs at configure time, once per build folder, so building
#   the launcher never rebuilds it; it is redone only when its settings or the toolchain change.
# With LAUNCHER_JPEG_NOSIMD_BENCH on a host build, jpeg::jpeg_nosimd is the same source built
# for the host without SIMD, to measure what SIMD buys.
include_guard(GLOBAL)

option(LAUNCHER_JPEG_NOSIMD_BENCH "Also build libjpeg-turbo for the host without SIMD (jpeg::jpeg_nosimd)" OFF)
# Shared by every preset: the source is the same for all of them.
cmake_path(SET _launcher_third_party_default NORMALIZE "${CMAKE_CURRENT_LIST_DIR}/../build/third_party")
set(LAUNCHER_THIRD_PARTY_CACHE "${_launcher_third_party_default}" CACHE PATH
    "Folder holding third-party sources shared by all build folders")

function(_launcher_libjpeg_turbo_source out_var)
  execute_process(
    COMMAND "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../tools/fetch-libjpeg-turbo-source"
            "${LAUNCHER_THIRD_PARTY_CACHE}"
    OUTPUT_VARIABLE source_dir
    OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT EXISTS "${source_dir}/CMakeLists.txt")
    message(FATAL_ERROR "Could not fetch Debian's libjpeg-turbo source; run tools/bootstrap "
                        "(it adds the deb-src entry that 'apt-get source' needs).")
  endif()
  set(${out_var} "${source_dir}" PARENT_SCOPE)
endfunction()

# Builds and installs the libjpeg-turbo source into ${CMAKE_BINARY_DIR}/third_party/<label>,
# unless an install with the same settings is already there, and defines <target> over it.
function(_launcher_libjpeg_turbo_static label target)
  _launcher_libjpeg_turbo_source(source_dir)
  set(root "${CMAKE_BINARY_DIR}/third_party/${label}")
  set(prefix "${root}/install")
  set(library "${prefix}/lib/${CMAKE_STATIC_LIBRARY_PREFIX}jpeg${CMAKE_STATIC_LIBRARY_SUFFIX}")

  set(settings
      -G "${CMAKE_GENERATOR}"
      -DCMAKE_MAKE_PROGRAM=${CMAKE_MAKE_PROGRAM}
      -DCMAKE_BUILD_TYPE=Release
      -DCMAKE_INSTALL_PREFIX=${prefix}
      # Absolute: libjpeg-turbo turns relative install folders into paths under the working folder.
      -DCMAKE_INSTALL_LIBDIR=${prefix}/lib
      -DCMAKE_INSTALL_INCLUDEDIR=${prefix}/include
      -DENABLE_SHARED=OFF
      -DENABLE_STATIC=ON
      -DWITH_TURBOJPEG=OFF
      ${ARGN})
  # The stamp records what the install was built from; any difference means a rebuild.
  file(STRINGS "${source_dir}/.debian-version" source_version LIMIT_COUNT 1)
  set(signature "${source_version}|${settings}")
  if(CMAKE_TOOLCHAIN_FILE)
    file(SHA256 "${CMAKE_TOOLCHAIN_FILE}" toolchain_hash)
    string(APPEND signature "|${toolchain_hash}")
  endif()
  set(stamp "${prefix}/.launcher-build-signature")
  if(EXISTS "${stamp}" AND EXISTS "${library}")
    file(READ "${stamp}" built_signature)
  endif()

  if(NOT built_signature STREQUAL signature)
    message(STATUS "${label}: building Debian's ${source_version} (log: ${root}/build.log)")
    file(REMOVE_RECURSE "${root}")
    file(MAKE_DIRECTORY "${root}")
    string(TIMESTAMP started "%s")
    foreach(step IN ITEMS configure build install)
      if(step STREQUAL "configure")
        set(command "${CMAKE_COMMAND}" -S "${source_dir}" -B "${root}/build" ${settings})
      elseif(step STREQUAL "build")
        set(command "${CMAKE_COMMAND}" --build "${root}/build" --parallel)
      else()
        set(command "${CMAKE_COMMAND}" --install "${root}/build")
      endif()
      execute_process(COMMAND ${command} WORKING_DIRECTORY "${root}"
                      OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
      file(APPEND "${root}/build.log" "${output}")
      if(NOT result EQUAL 0)
        message(FATAL_ERROR "${label}: ${step} failed; see ${root}/build.log")
      endif()
    endforeach()
    string(TIMESTAMP finished "%s")
    math(EXPR seconds "${finished} - ${started}")
    file(WRITE "${stamp}" "${signature}")
    message(STATUS "${label}: built in ${seconds} s")
  endif()

  add_library(${target} STATIC IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES
    IMPORTED_LOCATION "${library}"
    INTERFACE_INCLUDE_DIRECTORIES "${prefix}/include")
endfunction()

if(CMAKE_CROSSCOMPILING)
  if(NOT CMAKE_TOOLCHAIN_FILE)
    message(FATAL_ERROR "Cross builds of libjpeg-turbo reuse CMAKE_TOOLCHAIN_FILE; use a preset.")
  endif()
  # REQUIRE_SIMD turns a silent fallback to plain C (for example, nasm missing) into an error.
  # One section per function lets the launcher's link drop the compressor and every SIMD
  # routine that only compression reaches.
  _launcher_libjpeg_turbo_static(libjpeg-turbo jpeg::jpeg
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    "-DCMAKE_C_FLAGS=-ffunction-sections -fdata-sections"
    # Baseline pictures only: arithmetic coding is never used by the template's pictures.
    -DWITH_ARITH_DEC=OFF
    -DWITH_ARITH_ENC=OFF
    -DWITH_SIMD=ON
    -DREQUIRE_SIMD=ON)
else()
  find_package(JPEG 62 REQUIRED)
  add_library(jpeg::jpeg INTERFACE IMPORTED GLOBAL)
  target_link_libraries(jpeg::jpeg INTERFACE JPEG::JPEG)

  if(LAUNCHER_JPEG_NOSIMD_BENCH)
    _launcher_libjpeg_turbo_static(libjpeg-turbo-nosimd jpeg::jpeg_nosimd
      -DCMAKE_C_COMPILER=${CMAKE_C_COMPILER}
      -DCMAKE_POSITION_INDEPENDENT_CODE=ON
      -DWITH_SIMD=OFF)
  endif()
endif()
